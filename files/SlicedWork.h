#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Work on the window's thread cut into slices, one per turn of the event loop, so that the
// window repaints and takes its input between them. Each slice asks the step for about as
// many units as fit in SliceMs at the speed the last slice showed; the step does them and
// says how many are left.
class SlicedWork : public QObject
{
    Q_OBJECT

public:
    using Step = std::function<qint64(qint64 units)>;

    explicit SlicedWork(QObject *parent = nullptr);

    // Runs the first slice at once, so that a small piece of work ends within this call;
    // `done` follows the last slice.
    void start(qint64 total, Step step, std::function<void()> done);
    void stop();
    bool running() const { return m_turns.isActive(); }

    static constexpr int SliceMs = 12;

Q_SIGNALS:
    // 0 to 100, after each slice but the last.
    void progressed(int percent);

private:
    void slice();

    static constexpr qint64 FirstSliceUnits = 64 * 1024;
    static constexpr qint64 LeastSliceUnits = 1024;

    QTimer m_turns;
    Step m_step;
    std::function<void()> m_done;
    qint64 m_total = 0;
    qint64 m_units = FirstSliceUnits;
};
