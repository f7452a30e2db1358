#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QWidget;

// One window per saved text: the first start for a saved-text path holds a lock file beside
// it and listens on a local socket named after the path; a later start for the same path
// finds the lock taken, asks the running program through the socket to bring its window to
// the front, and ends without touching the text. A lock left by a program that died is
// stale and taken over, as is its socket.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim
    {
        First,      // this start owns the saved text
        HandedOver, // another one does and was asked to come to the front
        Failed      // another one holds the lock but could not be reached
    };

    // What a later start passes on, so that the desktop lets the window come forward.
    struct Activation
    {
        QByteArray waylandToken; // XDG_ACTIVATION_TOKEN
        QByteArray startupId;    // DESKTOP_STARTUP_ID

        // Read before the application object exists: the platform takes them away.
        static Activation fromEnvironment();
    };

    explicit SingleInstance(const QString &savedTextPath, QObject *parent = nullptr);

    // `self`: what this start was given, passed on when it hands over.
    Claim claim(const Activation &self = {});

    // The lock beside the saved text, and the socket named after it, in this user's
    // runtime folder.
    static QString lockPath(const QString &savedTextPath);
    static QString serverName(const QString &savedTextPath);

    // Shows `window` in front, restored when minimised, and asks for the focus.
    static void bringToFront(QWidget &window, const Activation &activation);

Q_SIGNALS:
    void activationRequested(const SingleInstance::Activation &activation);

private:
    bool handOver(const Activation &self);
    void listen();
    void readRequest();

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
};
