#include "panel/PanelPlatform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Changing a window's flags hides it; it comes back where it was.
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible)
        window.show();
}
