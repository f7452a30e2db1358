#include "ui/Timer.h"

Timer::Timer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    if (m_interval == 0) {
        m_timer.stop();
        return;
    }
    // Re-arming at the same interval keeps the running timer going.
    if (m_timer.isActive() && m_timer.interval() == m_interval)
        return;
    m_timer.start(m_interval);
}
