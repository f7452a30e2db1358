#include "app/PirtokApp.h"

#include "convert/ConversionRunControl.h"
#include "convert/DirectionList.h"
#include "convert/LetterPairPanel.h"
#include "convert/ProgressBar.h"
#include "convert/ReverseCommand.h"
#include "keyboard/KeyboardTyping.h"
#include "keyboard/UndoCommand.h"
#include "look/ButtonLooks.h"
#include "look/FontStyle.h"
#include "look/WindowChrome.h"
#include "look/WindowLayoutPass.h"
#include "search/SearchCommands.h"

PirtokApp::PirtokApp()
{
    // Handlers are children of the window and live as long as it does.
    new KeyboardTyping(m_window);
    new UndoCommand(m_window);
    m_conversion = new ConversionRunControl(m_window);
    new ProgressBar(m_window);
    new LetterPairPanel(m_window);
    new ReverseCommand(m_window);
    new FontStyle(m_window);
    new WindowLayoutPass(m_window);
    new ButtonLooks(m_window);
    new WindowChrome(m_window);
    new SearchCommands(m_window);

    FillDirectionList(m_window);
    m_window.Combo3->setListIndex(0);
}

void PirtokApp::show()
{
    m_window.show();
}
