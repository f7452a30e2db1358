#include "PirtokApp.h"

#include "KeyboardTyping.h"

PirtokApp::PirtokApp()
{
    // Handlers are children of the window and live as long as it does.
    new KeyboardTyping(m_window);
}

void PirtokApp::show()
{
    m_window.show();
}
