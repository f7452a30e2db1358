#pragma once

#include "files/core/WorkProgress.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QThread;

// One piece of file work at a time on a worker thread, so that a large file never holds
// the window up: its progress is read out a few times a second, and what follows the work
// runs back on the window's thread.
class FileJob : public QObject
{
    Q_OBJECT

public:
    explicit FileJob(QObject *parent = nullptr);
    // Stops the work and waits for it: a save that is stopped leaves the old file whole.
    ~FileJob() override;

    bool busy() const { return m_thread != nullptr; }
    // Runs `work` on the worker thread, then `done` on this one. Refused (false) while
    // another piece of work runs.
    bool start(std::function<void(pirtok::files::WorkProgress &)> work, std::function<void()> done);

Q_SIGNALS:
    // 0 to 100, while the work runs.
    void progressed(int percent);

private:
    void finished();

    static constexpr int PollMilliseconds = 100;

    QThread *m_thread = nullptr;
    QTimer m_poll;
    pirtok::files::WorkProgress m_progress;
    std::function<void()> m_done;
};
