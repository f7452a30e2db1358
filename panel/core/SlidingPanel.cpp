#include "panel/core/SlidingPanel.h"

#include "panel/core/PanelGeometry.h"

namespace pirtok {

void SlidingPanel::scheduleDelayedStart()
{
    m_host.setTimerInterval(PanelTimer::DelayedInit, DelayedInitInterval);
}

void SlidingPanel::setNumSteps(int numSteps)
{
    m_numSteps = numSteps > 0 ? numSteps : 1;
}

void SlidingPanel::delayedStart(const ScreenReading &screen)
{
    // Stopped first: the start runs once, whatever the host does in what follows.
    m_host.setTimerInterval(PanelTimer::DelayedInit, 0);
    m_screenWidthTwips = screen.widthPixels * screen.twipsPerPixelX;
    m_twipsPerPixelY = screen.twipsPerPixelY;
    const QRect window = m_host.windowTwips();
    m_host.moveWindowTwips(PanelGeometry::centredLeft(m_screenWidthTwips, window.width()),
                           PanelGeometry::closedTop(m_hangDown, m_twipsPerPixelY, window.height()));
    m_host.makeTopmost();
    m_host.setTimerInterval(PanelTimer::CheckMouseOver, CheckInterval);
    m_host.setTimerInterval(PanelTimer::AppFocus, CheckInterval);
}

void SlidingPanel::cancelDelayedStart()
{
    m_host.setTimerInterval(PanelTimer::DelayedInit, 0);
}

int SlidingPanel::closedTop() const
{
    return PanelGeometry::closedTop(m_hangDown, m_twipsPerPixelY, m_host.windowTwips().height());
}

void SlidingPanel::StartSliding(bool down)
{
    if (down) {
        if (!m_taskbarOut)
            m_host.raiseEvent(PanelEvent::StartOpenUp);
        else if (m_slideStep < 0)
            m_host.raiseEvent(PanelEvent::ChangeOpenUp);
    } else {
        if (m_taskbarOut)
            m_host.raiseEvent(PanelEvent::StartCloseUp);
        else if (m_slideStep > 0)
            m_host.raiseEvent(PanelEvent::ChangeCloseUp);
    }
    // Read after the event: its handler may have resized the window or changed NumSteps.
    const int step = PanelGeometry::slideStep(m_host.windowTwips().height(), m_numSteps);
    m_slideStep = down ? step : -step;
    // Armed only now, so that a tick cannot run on the old step while the event's handler
    // waits in a dialog.
    m_host.setTimerInterval(PanelTimer::Sliding, SlidingInterval);
}

void SlidingPanel::slideTick()
{
    const QRect window = m_host.windowTwips();
    const int top = window.y() + m_slideStep;
    if (top >= 0) {
        endSlide(0, true, PanelEvent::EndOpenUp);
        return;
    }
    const int closed = PanelGeometry::closedTop(m_hangDown, m_twipsPerPixelY, window.height());
    if (closed >= top) {
        endSlide(closed, false, PanelEvent::EndCloseUp);
        return;
    }
    m_host.moveWindowTwips(window.x(), top);
}

void SlidingPanel::endSlide(int top, bool out, PanelEvent event)
{
    m_host.moveWindowTwips(m_host.windowTwips().x(), top);
    m_taskbarOut = out;
    m_slideStep = 0;
    m_host.setTimerInterval(PanelTimer::Sliding, 0);
    m_host.raiseEvent(event);
}

void SlidingPanel::checkFocus(bool focused)
{
    if (focused == m_appHasFocus)
        return;
    m_appHasFocus = focused;
    m_host.raiseEvent(focused ? PanelEvent::AppGotFocus : PanelEvent::AppLostFocus);
    StartSliding(focused);
}

void SlidingPanel::checkMouseOver(bool over)
{
    if (over == m_mouseIsOver)
        return;
    m_mouseIsOver = over;
    m_host.raiseEvent(over ? PanelEvent::MouseOver : PanelEvent::MouseLeft);
    // While the host has the focus the window stays out whatever the pointer does.
    if (!m_appHasFocus)
        StartSliding(over);
}

} // namespace pirtok
