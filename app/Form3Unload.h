#pragma once

#include <QObject>
#include <QString>

class Form3;
class SettingsStore;

// What the main window's close keeps for the next start: every choice in the settings store
// in a fixed order, then the main text in the saved text file. Runs once per program run,
// whichever comes first of the window's close, the session's end or a termination signal.
class Form3Unload : public QObject
{
    Q_OBJECT

public:
    Form3Unload(Form3 &form, SettingsStore &store);

    // The saved text at `path` was there at start but could not be read: it is moved aside
    // at the close instead of being replaced.
    void keepUnreadableSavedText(const QString &path) { m_unreadableSavedText = path; }

    // The saves of the program's end: once, whichever way it ends.
    void run();
    bool hasRun() const { return m_hasRun; }
    // The same saves at any time, for a session that is about to end but may yet go on.
    void saveNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where an unreadable saved text is moved: beside it, under the first free name.
    static QString keptPath(const QString &path);
    void saveChoices();
    void saveText();

    Form3 &m_form;
    SettingsStore &m_store;
    QString m_unreadableSavedText;
    bool m_hasRun = false;
};
