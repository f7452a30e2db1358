#include "files/MainTextGuard.h"

#include "shell/Form3.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace {

bool isCommandKey(int key)
{
    return key >= Qt::Key_F1 && key <= Qt::Key_F5;
}

// The keys that work a focused label or button as a click.
bool isClickKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

} // namespace

MainTextGuard::MainTextGuard(Form3 &form)
    : QObject(&form), m_boxes{form.Text1, form.Text2, form.Text3}, m_commandControls{
                                                                       form.UniLabel5, form.UniLabel4,
                                                                       form.Label10,   form.Label11,
                                                                       form.Label12,   form.UniButton1}
{
}

void MainTextGuard::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    // Installed afresh each time, so that it sees the events before any other filter does.
    for (QWidget *widget : m_boxes)
        active ? widget->installEventFilter(this) : widget->removeEventFilter(this);
    for (QWidget *widget : m_commandControls)
        active ? widget->installEventFilter(this) : widget->removeEventFilter(this);
}

bool MainTextGuard::isCommandControl(const QObject *watched) const
{
    return std::find(m_commandControls.begin(), m_commandControls.end(), watched) != m_commandControls.end();
}

bool MainTextGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_active)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool refused = isCommandControl(watched) ? isClickKey(key) : isCommandKey(key);
        if (refused)
            QApplication::beep();
        return refused;
    }
    case QEvent::KeyRelease:
        return isCommandControl(watched) && isClickKey(static_cast<QKeyEvent *>(event)->key());
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!isCommandControl(watched))
            return false;
        QApplication::beep();
        return true;
    case QEvent::MouseButtonRelease:
        return isCommandControl(watched);
    default:
        return false;
    }
}
