#pragma once

#include "shell/core/WriteResult.h"

#include <QObject>
#include <QString>

class Autosave;
class Form3;
class SavedTextSaver;
class SettingsStore;

// What the main window's close keeps for the next start: every choice in the settings store
// in a fixed order, then the main text in the saved text file. When either cannot be
// written the close asks whether to close anyway; a "No" keeps the window open with the
// text, and the close can be tried again. At the program's end without a window to ask
// from (a termination signal, the session's end) a text that cannot be saved is written
// beside the file, or in the state folder, under a name of its own.
class Form3Unload : public QObject
{
    Q_OBJECT

public:
    Form3Unload(Form3 &form, SettingsStore &store, SavedTextSaver &saver);

    // The saves in the background that the close must wait for.
    void setAutosave(Autosave *autosave) { m_autosave = autosave; }

    // The close of the window: saves, and asks when a save failed. False keeps it open.
    bool closeWindow();
    // The saves of the program's end: once, whichever way it ends; nobody is asked.
    void run();
    bool hasRun() const { return m_hasRun; }

    struct Outcome
    {
        WriteResult choices = WriteResult::done();
        WriteResult text = WriteResult::done();
        bool ok() const { return choices.ok() && text.ok(); }
    };
    // The same saves at any time, for a session that is about to end but may yet go on.
    Outcome saveNow();

    // The question a failed close asks: the paths that failed, then "close anyway?".
    static QString closeAnywayPrompt(const Outcome &outcome);
    // Where the text goes when its file cannot be written and nobody can be asked.
    static QString unsavedPath(const QString &savedTextPath, const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WriteResult saveChoices();
    WriteResult saveText();
    void rescueText(const WriteResult &failed);

    Form3 &m_form;
    SettingsStore &m_store;
    SavedTextSaver &m_saver;
    Autosave *m_autosave = nullptr;
    bool m_hasRun = false;
};
