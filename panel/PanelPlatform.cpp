#include "panel/PanelPlatform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

PanelPlatform::~PanelPlatform() = default;

QRect PanelPlatform::screenGeometry(const QWidget &window) const
{
    QScreen *screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect PanelPlatform::windowGeometry(const QWidget &window) const
{
    return window.frameGeometry();
}

QPoint PanelPlatform::pointerPosition() const
{
    return QCursor::pos();
}

bool PanelPlatform::isForeground(const QWidget &window) const
{
    // Also true while a popup of the window (a combo box's list) has the input.
    return window.isActiveWindow();
}

void PanelPlatform::moveWindow(QWidget &window, const QPoint &topLeft)
{
    window.move(topLeft);
}

void PanelPlatform::makeTopmost(QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags() | Qt::WindowStaysOnTopHint;
    if (flags == window.windowFlags())
        return;
    if (QWindow *handle = window.windowHandle()) {
        // In place: setting the widget's flags would hide the window and make it anew.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}
