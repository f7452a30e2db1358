#include "app/SessionEnd.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGHUP};

volatile std::sig_atomic_t signalPipe = -1;

} // namespace

SessionEnd::SessionEnd(std::function<void()> saveAtEnd, std::function<void()> saveNow, QObject *parent)
    : QObject(parent), m_saveAtEnd(std::move(saveAtEnd)), m_saveNow(std::move(saveNow))
{
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, [this] { m_saveNow(); });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { m_saveAtEnd(); });

    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalPipe = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::signalArrived);

    struct sigaction action
    {
    };
    action.sa_handler = &SessionEnd::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : EndingSignals)
        sigaction(signal, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (m_pipe[0] < 0)
        return;
    struct sigaction action
    {
    };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : EndingSignals)
        sigaction(signal, &action, nullptr);
    signalPipe = -1;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void SessionEnd::onSignal(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a wake-up; nothing more to do.
    if (signalPipe >= 0 && ::write(signalPipe, &byte, 1) < 0) {
    }
    errno = saved;
}

void SessionEnd::signalArrived()
{
    char bytes[16];
    while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
    m_saveAtEnd();
    QCoreApplication::quit();
}
