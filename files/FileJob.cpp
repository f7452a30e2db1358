#include "files/FileJob.h"

#include <QThread>

FileJob::FileJob(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(PollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, [this] { Q_EMIT progressed(m_progress.percent()); });
}

FileJob::~FileJob()
{
    if (!m_thread)
        return;
    m_progress.cancelled = true;
    m_thread->wait();
    delete m_thread;
}

bool FileJob::start(std::function<void(pirtok::files::WorkProgress &)> work, std::function<void()> done)
{
    if (m_thread)
        return false;
    m_progress.done = 0;
    m_progress.total = 0;
    m_progress.cancelled = false;
    m_done = std::move(done);
    m_thread = QThread::create([this, work = std::move(work)] { work(m_progress); });
    connect(m_thread, &QThread::finished, this, &FileJob::finished);
    m_poll.start();
    m_thread->start();
    return true;
}

void FileJob::finished()
{
    m_poll.stop();
    m_thread->wait(); // `finished` comes just before the thread's very end
    delete m_thread;
    m_thread = nullptr;
    // The next piece of work may start from here.
    const std::function<void()> done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done();
}
