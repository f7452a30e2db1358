#pragma once

namespace pirtok {

// What the sliding panel tells its host, in the order the control declares its events.
enum class PanelEvent
{
    AppGotFocus,   // the host window has become the foreground window
    AppLostFocus,  // ... and has stopped being it
    EndOpenUp,     // a slide down has reached the open position
    EndCloseUp,    // a slide up has reached the closed position
    StartOpenUp,   // a slide down starts from rest
    StartCloseUp,  // a slide up starts while the window is out
    ChangeCloseUp, // a slide up is requested while a slide down is under way
    ChangeOpenUp,  // a slide down is requested while a slide up is under way
    MouseOver,     // the pointer has entered the host window's rectangle
    MouseLeft,     // ... and has left it
};

// The event's name as the host knows it ("EndOpenUp"); for logs and tests.
const char *panelEventName(PanelEvent event);

} // namespace pirtok
