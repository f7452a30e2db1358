#include "app/PirtokApp.h"

#include "app/Form3Load.h"
#include "app/Form3Unload.h"
#include "app/SessionEnd.h"
#include "autosave/Autosave.h"

#include "convert/ConversionRunControl.h"
#include "convert/LetterPairPanel.h"
#include "convert/ProgressBar.h"
#include "convert/ReverseCommand.h"
#include "files/FileHandling.h"
#include "keyboard/CommandKeys.h"
#include "keyboard/KeyboardTyping.h"
#include "keyboard/UndoCommand.h"
#include "look/ButtonLooks.h"
#include "look/FontStyle.h"
#include "look/WindowChrome.h"
#include "look/WindowLayoutPass.h"
#include "search/SearchCommands.h"
#include "shell/AutostartDialogLink.h"

PirtokApp::PirtokApp(ProgramPlace place)
{
    // Handlers are children of the window and live as long as it does.
    new KeyboardTyping(m_window, m_store);
    new CommandKeys(m_window);
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
    new FileHandling(m_window);
    new AutostartDialogLink(m_window, m_store, place);

    m_unload = new Form3Unload(m_window, m_store, m_saver);
    m_sessionEnd = std::make_unique<SessionEnd>(
        [this] { m_unload->run(); },
        [this] {
            if (const Form3Unload::Outcome saved = m_unload->saveNow(); !saved.ok())
                qWarning("Pirtok: the session's end could not save: %s %s",
                         qUtf8Printable(saved.text.describe()), qUtf8Printable(saved.choices.describe()));
        });

    // With every handler attached, so that restoring a choice acts as the user's choice did.
    Form3Load load(m_window, m_store, std::move(place));
    load.run();
    if (!load.unreadableSavedText().isEmpty())
        m_saver.keepUnreadable(load.unreadableSavedText());
    // After the load, whose own writing of the text is no change to save.
    m_autosave = new Autosave(m_window, m_saver);
    m_unload->setAutosave(m_autosave);
}

PirtokApp::~PirtokApp() = default;

void PirtokApp::show()
{
    m_window.show();
}
