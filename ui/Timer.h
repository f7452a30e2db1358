#pragma once

#include <QObject>
#include <QTimer>

// A timer driven by its interval: a positive interval (milliseconds) arms it, 0 stops it.
// It keeps the shortest intervals honest (precise timing), as slices of long work need.
class Timer : public QObject
{
    Q_OBJECT

public:
    explicit Timer(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isArmed() const { return m_timer.isActive(); }

Q_SIGNALS:
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
};
