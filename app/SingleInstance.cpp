#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <unistd.h>

namespace {

// How long a later start keeps trying to reach a program that holds the lock but is not
// listening yet (it may be starting at the same moment).
constexpr int ReachTimeoutMs = 5000;
constexpr int RetryPauseMs = 100;
constexpr int SocketTimeoutMs = 1000;

constexpr char RequestWord[] = "activate";

QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

} // namespace

SingleInstance::Activation SingleInstance::Activation::fromEnvironment()
{
    return {qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID")};
}

SingleInstance::SingleInstance(const QString &savedTextPath, QObject *parent)
    : QObject(parent), m_serverName(serverName(savedTextPath)), m_lock(lockPath(savedTextPath))
{
    // Only a dead owner makes a lock stale, however long the window has been open.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
}

QString SingleInstance::lockPath(const QString &savedTextPath)
{
    return savedTextPath + QStringLiteral(".lock");
}

QString SingleInstance::serverName(const QString &savedTextPath)
{
    const QByteArray digest =
        QCryptographicHash::hash(canonicalPath(savedTextPath).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    const QString name =
        QStringLiteral("pirtok-") + QString::number(::getuid()) + u'-' + QString::fromLatin1(digest);
    // A folder of this user alone; the shared temporary folder only when there is none.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QDir(!runtime.isEmpty() && QDir::isAbsolutePath(runtime) ? runtime : QDir::tempPath())
        .filePath(name);
}

SingleInstance::Claim SingleInstance::claim(const Activation &self)
{
    QElapsedTimer waited;
    waited.start();
    while (true) {
        if (m_lock.tryLock(0)) {
            listen();
            return Claim::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            // No lock can be made beside the text (a read-only folder): the socket alone
            // still finds a running window.
            if (handOver(self))
                return Claim::HandedOver;
            listen();
            return Claim::First;
        }
        if (handOver(self))
            return Claim::HandedOver;
        if (waited.elapsed() > ReachTimeoutMs)
            return Claim::Failed;
        QThread::msleep(RetryPauseMs);
    }
}

bool SingleInstance::handOver(const Activation &self)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(SocketTimeoutMs))
        return false;
    QByteArray request = RequestWord;
    request += '\t' + self.waylandToken + '\t' + self.startupId + '\n';
    socket.write(request);
    // The request waits in the socket for the running program to read it.
    if (!socket.waitForBytesWritten(SocketTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen()
{
    // A socket left by a program that died answers nobody; the lock says it is ours now.
    QLocalServer::removeServer(m_serverName);
    if (!m_server.listen(m_serverName))
        qWarning("Pirtok: a second start will open a second window: %s",
                 qUtf8Printable(m_server.errorString()));
}

void SingleInstance::readRequest()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto handle = [this, socket] {
            while (socket->canReadLine()) {
                const QList<QByteArray> fields = socket->readLine().trimmed().split('\t');
                if (fields.value(0) != RequestWord)
                    continue;
                Q_EMIT activationRequested({fields.value(1), fields.value(2)});
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        handle();
    }
}

void SingleInstance::bringToFront(QWidget &window, const Activation &activation)
{
    // The desktop grants the focus to the start the user just made, by its token.
    if (!activation.waylandToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activation.waylandToken);
    if (!activation.startupId.isEmpty())
        qputenv("DESKTOP_STARTUP_ID", activation.startupId);
    if (window.isMinimized())
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}
