#include "files/SlicedWork.h"

#include <QElapsedTimer>

#include <algorithm>

SlicedWork::SlicedWork(QObject *parent) : QObject(parent)
{
    // A zero interval: the next slice waits for the events that came meanwhile.
    m_turns.setInterval(0);
    connect(&m_turns, &QTimer::timeout, this, &SlicedWork::slice);
}

void SlicedWork::start(qint64 total, Step step, std::function<void()> done)
{
    m_total = std::max<qint64>(total, 1);
    m_step = std::move(step);
    m_done = std::move(done);
    m_units = FirstSliceUnits;
    m_turns.start();
    slice();
}

void SlicedWork::stop()
{
    m_turns.stop();
    m_step = nullptr;
    m_done = nullptr;
}

void SlicedWork::slice()
{
    if (!m_step)
        return;
    QElapsedTimer took;
    took.start();
    const qint64 left = m_step(m_units);
    const qint64 ns = std::max<qint64>(took.nsecsElapsed(), 1);
    // The next slice is sized by this one's speed, growing or shrinking at most twofold at a
    // time, so that one slow slice (a page fault, a growing buffer) does not swing it far.
    const qint64 fitting = static_cast<qint64>(double(m_units) * SliceMs * 1e6 / double(ns));
    m_units = std::clamp(fitting, std::max(LeastSliceUnits, m_units / 2), m_units * 2);
    if (left > 0) {
        Q_EMIT progressed(static_cast<int>((m_total - std::min(left, m_total)) * 100 / m_total));
        return;
    }
    // The next piece of work may start from `done`.
    const std::function<void()> done = std::move(m_done);
    stop();
    if (done)
        done();
}
