#include "autosave/Autosave.h"

#include "autosave/SavedTextSaver.h"
#include "shell/Form3.h"

#include <QEvent>

#include <algorithm>

Autosave::Autosave(Form3 &form, SavedTextSaver &saver) : QObject(&form), m_form(form), m_saver(saver)
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &Autosave::saveIfChanged);
    connect(form.Text1, &UniText::change, this, &Autosave::textChanged);
    connect(&saver, &SavedTextSaver::finished, this, &Autosave::saveFinished);
    form.installEventFilter(this);
}

void Autosave::textChanged()
{
    if (!m_unsaved) {
        m_unsaved = true;
        m_firstUnsavedChange.start();
    }
    // Typing without a pause still saves now and then; otherwise after the pause.
    const qint64 left = LongestWaitMs - m_firstUnsavedChange.elapsed();
    m_pause.start(static_cast<int>(std::clamp<qint64>(left, 0, PauseMs)));
}

void Autosave::saveIfChanged()
{
    m_pause.stop();
    if (!m_unsaved)
        return;
    m_unsaved = false;
    m_saver.saveInBackground(m_form.Text1->text());
}

void Autosave::settle()
{
    m_pause.stop();
    m_saver.waitForIdle();
}

void Autosave::saveFinished(const WriteResult &result)
{
    // Said once per run of failures: the close asks the user what to do with the text.
    if (!result.ok() && !m_lastFailed)
        qWarning("Pirtok: the text could not be saved: %s", qUtf8Printable(result.describe()));
    m_lastFailed = !result.ok();
}

bool Autosave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form) {
        if (event->type() == QEvent::WindowDeactivate ||
            (event->type() == QEvent::WindowStateChange && m_form.isMinimized()))
            saveIfChanged();
    }
    return QObject::eventFilter(watched, event);
}
