#pragma once

#include "panel/core/PanelHost.h"

namespace pirtok {

// What the panel reads of the screen once, at its delayed start.
struct ScreenReading
{
    int widthPixels = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

// The sliding panel's state machine: hangs its host window from the top edge of the screen,
// HangDown pixels visible, and slides it down into full view in about NumSteps ticks while
// the host has the focus or the pointer rests on it, and back up when neither holds.
// It acts only through its PanelHost; the host feeds it the timers' ticks and the readings.
class SlidingPanel
{
public:
    static constexpr int DefaultNumSteps = 4;
    static constexpr int DefaultHangDown = 2;
    static constexpr int DelayedInitInterval = 1; // milliseconds: runs once the host exists
    static constexpr int SlidingInterval = 1;
    static constexpr int CheckInterval = 200; // focus and pointer checks

    explicit SlidingPanel(PanelHost &host) : m_host(host) {}

    // Arms the delayed start (again, after a cancel). Call once the host can take the call.
    void scheduleDelayedStart();

    int NumSteps() const { return m_numSteps; }
    // 0 or less cannot divide a window into steps: it is taken as 1.
    void setNumSteps(int numSteps);
    int HangDown() const { return m_hangDown; }
    void setHangDown(int pixels) { m_hangDown = pixels; }

    // Out, or on the way (either way).
    bool IsTaskbarOut() const { return m_taskbarOut || m_slideStep != 0; }
    bool IsTaskbarMoving() const { return m_slideStep != 0; }

    // First tick of the delayed-start timer, once the host is known to be a window:
    // centres the window, hangs it at the closed position, keeps it on top, starts the checks.
    void delayedStart(const ScreenReading &screen);
    // Stops the delayed start; nothing else runs until it is scheduled again.
    void cancelDelayedStart();

    // Starts a slide down (`down`) or up from wherever the window is.
    void StartSliding(bool down);
    void slideTick();
    // The checks' ticks, with what they read: is the host the foreground window,
    // is the pointer over it (see PanelGeometry::pointerIsOver).
    void checkFocus(bool focused);
    void checkMouseOver(bool over);

    // The top of the window at rest, slid up, for its present height.
    int closedTop() const;

    int ScreenWidthTwips() const { return m_screenWidthTwips; }
    bool TaskbarOut() const { return m_taskbarOut; }
    int SlideStep() const { return m_slideStep; }
    bool AppHasFocus() const { return m_appHasFocus; }
    bool MouseIsOver() const { return m_mouseIsOver; }

private:
    void endSlide(int top, bool out, PanelEvent event);

    PanelHost &m_host;
    int m_numSteps = DefaultNumSteps;
    int m_hangDown = DefaultHangDown;
    // Wide enough for any screen: a 16-bit count of twips ends at 2184 pixels.
    int m_screenWidthTwips = 0;
    int m_twipsPerPixelY = 15;
    bool m_taskbarOut = false;
    int m_slideStep = 0; // twips per tick: down positive, up negative, 0 when still
    bool m_appHasFocus = false;
    bool m_mouseIsOver = false;
};

} // namespace pirtok
