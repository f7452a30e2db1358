#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Runs the close saves when the program is ended other than by closing its window: when the
// desktop session ends, and on SIGTERM or SIGHUP (a logout), after which the program quits
// normally. The signals reach the event loop through a pipe, as a signal handler may do
// no more than write to one. One at a time per process.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(std::function<void()> save, QObject *parent = nullptr);
    ~SessionEnd() override;

private:
    static void onSignal(int signal);
    void signalArrived();

    std::function<void()> m_save;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
