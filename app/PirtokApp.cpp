#include "PirtokApp.h"

#include "KeyboardTyping.h"
#include "UndoCommand.h"

PirtokApp::PirtokApp()
{
    // Handlers are children of the window and live as long as it does.
    new KeyboardTyping(m_window);
    new UndoCommand(m_window);
}

void PirtokApp::show()
{
    m_window.show();
}
