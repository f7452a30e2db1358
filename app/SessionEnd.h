#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Runs the close saves when the program is ended other than by closing its window: on
// SIGTERM or SIGHUP (a logout), after which the program quits normally, and when it quits.
// When the desktop session asks for the data before it ends, `saveNow` runs: the user may
// still cancel the logout and go on typing, so that is not yet the end. The signals reach
// the event loop through a pipe, as a signal handler may do no more than write to one. One
// at a time per process.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    SessionEnd(std::function<void()> saveAtEnd, std::function<void()> saveNow, QObject *parent = nullptr);
    ~SessionEnd() override;

private:
    static void onSignal(int signal);
    void signalArrived();

    std::function<void()> m_saveAtEnd;
    std::function<void()> m_saveNow;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
