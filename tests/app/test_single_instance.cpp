#include "app/SingleInstance.h"
#include "shell/Module1.h"
#include "tests/support/AppFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every file of the folder with its bytes: what a second start must leave as it was.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(info.filePath());
        files.insert(info.fileName(),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

// A process id that no process has: a child that has already ended.
qint64 deadProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// A socket file that nobody listens on, as a killed program leaves it.
bool leaveDeadSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (fd < 0 || bytes.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { fx.stop(); }

    void secondStartHandsOverAndTouchesNothing();
    void staleLockAndSocketAreTakenOver();
    void anotherSavedTextHasItsOwnWindow();
    void nameFollowsTheSavedTextNotItsSpelling();

private:
    AppFixture fx;
    QTemporaryDir m_runtime;
};

void TestSingleInstance::init()
{
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
}

void TestSingleInstance::secondStartHandsOverAndTouchesNothing()
{
    fx.start();
    SingleInstance first(fx.savedTextPath());
    QCOMPARE(first.claim(), SingleInstance::Claim::First);
    QList<SingleInstance::Activation> requests;
    connect(&first, &SingleInstance::activationRequested, &fx.form(),
            [&](const SingleInstance::Activation &a) {
                requests << a;
                SingleInstance::bringToFront(fx.form(), a);
            });
    QVERIFY(Module1::ReplaceFile(fx.savedTextPath(), QStringLiteral("the text")).ok());
    fx.app().show();
    fx.form().showMinimized();
    QVERIFY(fx.form().isMinimized());
    const QString folder = QFileInfo(fx.savedTextPath()).absolutePath();
    const auto before = contents(folder);

    SingleInstance second(fx.savedTextPath());
    QCOMPARE(second.claim({"wayland-token", "startup-id"}), SingleInstance::Claim::HandedOver);
    QTRY_COMPARE(requests.size(), 1);
    QCOMPARE(requests[0].waylandToken, QByteArray("wayland-token"));
    QCOMPARE(requests[0].startupId, QByteArray("startup-id"));
    QVERIFY(!fx.form().isMinimized());
    QVERIFY(fx.form().isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), &fx.form());
    QCOMPARE(contents(folder), before);
}

void TestSingleInstance::staleLockAndSocketAreTakenOver()
{
    fx.start();
    const QString path = fx.savedTextPath();
    // What a program killed with SIGKILL leaves: its lock, naming a process that is gone,
    // and its socket file.
    QFile lock(SingleInstance::lockPath(path));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadProcessId()) + "\nPirtok\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    QVERIFY(leaveDeadSocket(SingleInstance::serverName(path)));

    SingleInstance restarted(path);
    QCOMPARE(restarted.claim(), SingleInstance::Claim::First);
    // And it is the one a later start now finds.
    SingleInstance later(path);
    QCOMPARE(later.claim(), SingleInstance::Claim::HandedOver);
}

void TestSingleInstance::anotherSavedTextHasItsOwnWindow()
{
    fx.start();
    SingleInstance first(fx.savedTextPath());
    QCOMPARE(first.claim(), SingleInstance::Claim::First);
    QTemporaryDir otherFolder;
    SingleInstance other(otherFolder.filePath(QStringLiteral("Text.ini")));
    QCOMPARE(other.claim(), SingleInstance::Claim::First);
}

void TestSingleInstance::nameFollowsTheSavedTextNotItsSpelling()
{
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("Text.ini"));
    const QString roundabout = folder.path() + QStringLiteral("/./sub/../Text.ini");
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QCOMPARE(SingleInstance::serverName(roundabout), SingleInstance::serverName(plain));
    QVERIFY(SingleInstance::serverName(plain) != SingleInstance::serverName(plain + u'2'));
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
