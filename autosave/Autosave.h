#pragma once

#include "shell/core/WriteResult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class Form3;
class SavedTextSaver;

// Saves the main text while the user works, so that a crash or a power cut loses no more
// than the last few seconds: a short pause after a change of Text1, a long run of changes
// without a pause, and the window losing the focus or being minimised each write the text
// exactly as the close does. The write runs in the background on a copy; a keystroke only
// restarts a timer.
class Autosave : public QObject
{
    Q_OBJECT

public:
    // The pause after the last change, and the longest a change waits while changes go on.
    static constexpr int PauseMs = 2000;
    static constexpr int LongestWaitMs = 4000;

    Autosave(Form3 &form, SavedTextSaver &saver);

    // No save is waiting and none is being written: the close writes next.
    void settle();
    bool hasUnsavedChange() const { return m_unsaved; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textChanged();
    void saveIfChanged();
    void saveFinished(const WriteResult &result);

    Form3 &m_form;
    SavedTextSaver &m_saver;
    QTimer m_pause;
    QElapsedTimer m_firstUnsavedChange;
    bool m_unsaved = false;
    bool m_lastFailed = false;
};
