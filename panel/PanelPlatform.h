#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// What the sliding panel reads of the desktop and does to its host window, in pixels of the
// virtual desktop. Tests replace the readings; the real ones are Qt's.
class PanelPlatform
{
public:
    PanelPlatform() = default;
    virtual ~PanelPlatform();
    PanelPlatform(const PanelPlatform &) = delete;
    PanelPlatform &operator=(const PanelPlatform &) = delete;

    // The screen the window is on (the primary screen before it has one).
    virtual QRect screenGeometry(const QWidget &window) const;
    // The window's outer rectangle, frame included.
    virtual QRect windowGeometry(const QWidget &window) const;
    virtual QPoint pointerPosition() const;
    // Whether the window is the one the user works in now.
    virtual bool isForeground(const QWidget &window) const;

    // Moves the window's outer top-left corner. A Wayland compositor may ignore it.
    virtual void moveWindow(QWidget &window, const QPoint &topLeft);
    // Keeps the window above the windows that are not kept on top, where it stands.
    virtual void makeTopmost(QWidget &window);
};
