#include "panel/Form_TaskBar.h"

#include "panel/core/PanelGeometry.h"
#include "shell/MessageBoxStyle.h"
#include "shell/Module1.h"
#include "ui/TwipsGeometry.h"

#include <QEvent>

using pirtok::PanelEvent;
using pirtok::PanelTimer;

Form_TaskBar::Form_TaskBar(QWidget *host, std::unique_ptr<PanelPlatform> platform)
    : QWidget(host), m_platform(platform ? std::move(platform) : std::make_unique<PanelPlatform>()),
      m_panel(*this)
{
    setObjectName(QStringLiteral("Form_TaskBar"));
    hide();
    connect(&tmrDelayedInit, &Timer::tick, this, &Form_TaskBar::onDelayedInit);
    connect(&tmrSliding, &Timer::tick, this, [this] { m_panel.slideTick(); });
    connect(&tmrAppFocus, &Timer::tick, this, &Form_TaskBar::onAppFocus);
    connect(&tmrCheckMouseOver, &Timer::tick, this, &Form_TaskBar::onCheckMouseOver);
    // The real start waits for the first tick, when the host window exists.
    m_panel.scheduleDelayedStart();
}

Form_TaskBar::~Form_TaskBar() = default;

void Form_TaskBar::setNumSteps(int numSteps)
{
    m_panel.setNumSteps(numSteps);
    Q_EMIT NumStepsChanged(m_panel.NumSteps());
}

void Form_TaskBar::setHangDown(int pixels)
{
    m_panel.setHangDown(pixels);
    Q_EMIT HangDownChanged(m_panel.HangDown());
}

const Timer &Form_TaskBar::timer(PanelTimer which) const
{
    return const_cast<Form_TaskBar *>(this)->timerFor(which);
}

Timer &Form_TaskBar::timerFor(PanelTimer which)
{
    switch (which) {
    case PanelTimer::DelayedInit:
        return tmrDelayedInit;
    case PanelTimer::Sliding:
        return tmrSliding;
    case PanelTimer::CheckMouseOver:
        return tmrCheckMouseOver;
    case PanelTimer::AppFocus:
        break;
    }
    return tmrAppFocus;
}

void Form_TaskBar::onDelayedInit()
{
    QWidget *host = parentWidget();
    if (!host || !host->isWindow()) {
        // The control does nothing more, whatever the answer.
        m_panel.cancelDelayedStart();
        Module1::UnicodeMsgBox(
            QStringLiteral("Form_TaskBar must be placed on a window; its host is not a window."),
            MessageBoxCodes::HelpButton, QString());
        return;
    }
    if (!host->isVisible()) {
        // Its size and frame are not final before it is shown: start once it is.
        m_panel.cancelDelayedStart();
        host->installEventFilter(this);
        return;
    }
    ParentForm = host;
    const QRect screen = m_platform->screenGeometry(*host);
    m_screenOrigin = screen.topLeft();
    m_panel.delayedStart({screen.width(), TwipsGeometry::TwipsPerPixel, TwipsGeometry::TwipsPerPixel});
}

bool Form_TaskBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == parentWidget()) {
        watched->removeEventFilter(this);
        m_panel.scheduleDelayedStart();
    }
    return QWidget::eventFilter(watched, event);
}

void Form_TaskBar::onAppFocus()
{
    if (ParentForm)
        m_panel.checkFocus(m_platform->isForeground(*ParentForm));
}

void Form_TaskBar::onCheckMouseOver()
{
    if (ParentForm)
        m_panel.checkMouseOver(pirtok::PanelGeometry::pointerIsOver(m_platform->windowGeometry(*ParentForm),
                                                                    m_platform->pointerPosition()));
}

QRect Form_TaskBar::windowTwips() const
{
    if (!ParentForm)
        return {};
    return TwipsGeometry::toTwips(m_platform->windowGeometry(*ParentForm).translated(-m_screenOrigin));
}

void Form_TaskBar::moveWindowTwips(int left, int top)
{
    if (ParentForm)
        m_platform->moveWindow(*ParentForm, m_screenOrigin + QPoint(TwipsGeometry::toPixels(left),
                                                                    TwipsGeometry::toPixels(top)));
}

void Form_TaskBar::makeTopmost()
{
    if (ParentForm)
        m_platform->makeTopmost(*ParentForm);
}

void Form_TaskBar::setTimerInterval(PanelTimer which, int milliseconds)
{
    timerFor(which).setInterval(milliseconds);
}

void Form_TaskBar::raiseEvent(PanelEvent event)
{
    switch (event) {
    case PanelEvent::AppGotFocus:
        Q_EMIT AppGotFocus();
        break;
    case PanelEvent::AppLostFocus:
        Q_EMIT AppLostFocus();
        break;
    case PanelEvent::EndOpenUp:
        Q_EMIT EndOpenUp();
        break;
    case PanelEvent::EndCloseUp:
        Q_EMIT EndCloseUp();
        break;
    case PanelEvent::StartOpenUp:
        Q_EMIT StartOpenUp();
        break;
    case PanelEvent::StartCloseUp:
        Q_EMIT StartCloseUp();
        break;
    case PanelEvent::ChangeCloseUp:
        Q_EMIT ChangeCloseUp();
        break;
    case PanelEvent::ChangeOpenUp:
        Q_EMIT ChangeOpenUp();
        break;
    case PanelEvent::MouseOver:
        Q_EMIT MouseOver();
        break;
    case PanelEvent::MouseLeft:
        Q_EMIT MouseLeft();
        break;
    }
}
