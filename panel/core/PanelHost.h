#pragma once

#include "panel/core/PanelEvent.h"

#include <QRect>

namespace pirtok {

// The sliding panel's four timers.
enum class PanelTimer
{
    DelayedInit,
    Sliding,
    CheckMouseOver,
    AppFocus,
};

// What the sliding panel reads of and does to the window it hangs from the screen's top.
// Positions are twips from the top-left corner of the window's screen.
class PanelHost
{
public:
    // The window's outer rectangle, frame included.
    virtual QRect windowTwips() const = 0;
    // Moves the window's outer top-left corner; its size stays.
    virtual void moveWindowTwips(int left, int top) = 0;
    // Keeps the window above every window that is not itself kept on top; no move, no resize.
    virtual void makeTopmost() = 0;
    // A positive interval (milliseconds) arms the timer, 0 stops it.
    virtual void setTimerInterval(PanelTimer timer, int milliseconds) = 0;
    virtual void raiseEvent(PanelEvent event) = 0;

protected:
    ~PanelHost() = default;
};

} // namespace pirtok
