// The built program, started as a user starts it: twice on one saved text, and killed.
#include "shell/Module1.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int StartTimeoutMs = 20000;

} // namespace

class TestTwoStarts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void secondStartHandsOverThenKillLeavesTheText();

private:
    QProcess *start(const QStringList &arguments);
    QString savedText() const { return m_home->filePath(QStringLiteral("tmp/Text.ini")); }
    QString varok(const QString &key) const
    {
        QSettings settings(m_home->filePath(QStringLiteral("config/Varok/Varok.ini")), QSettings::IniFormat);
        return settings.value(QStringLiteral("Settings/") + key).toString();
    }
    // Waits until the running program holds the saved text's lock.
    bool waitForLock() const
    {
        return QTest::qWaitFor([this] { return QFile::exists(savedText() + QStringLiteral(".lock")); },
                               StartTimeoutMs);
    }

    std::unique_ptr<QTemporaryDir> m_home;
    QList<QProcess *> m_processes;
};

void TestTwoStarts::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    for (const char *folder : {"config", "state", "tmp", "Desktop", "runtime"})
        QDir(m_home->path()).mkpath(QLatin1String(folder));
    QVERIFY(Module1::ReplaceFile(savedText(), QStringLiteral("the writer's text")).ok());
}

void TestTwoStarts::cleanup()
{
    for (QProcess *process : std::as_const(m_processes)) {
        process->kill();
        process->waitForFinished();
        delete process;
    }
    m_processes.clear();
}

QProcess *TestTwoStarts::start(const QStringList &arguments)
{
    auto *process = new QProcess;
    m_processes << process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QDir home(m_home->path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_DESKTOP_DIR"), home.filePath(QStringLiteral("Desktop")));
    environment.insert(QStringLiteral("TMP"), home.filePath(QStringLiteral("tmp")));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(PIRTOK_PATH), arguments);
    return process;
}

void TestTwoStarts::secondStartHandsOverThenKillLeavesTheText()
{
    QProcess *first = start({});
    QVERIFY(first->waitForStarted());
    QVERIFY(waitForLock());
    // The first start records its own command line after it holds the lock; the second's
    // record must come after that one.
    QVERIFY(QTest::qWaitFor([this] { return !varok(QStringLiteral("Varok PathName")).isEmpty(); },
                            StartTimeoutMs));

    QProcess *second = start({QStringLiteral("some.txt")});
    QVERIFY(second->waitForFinished(StartTimeoutMs));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(varok(QStringLiteral("Varok Path")), QStringLiteral("some.txt"));
    QCOMPARE(Module1::ReadWholeFile(savedText()), QStringLiteral("the writer's text"));

    // SIGKILL: no saves run, the lock stays behind.
    first->kill();
    QVERIFY(first->waitForFinished());
    QVERIFY(QFile::exists(savedText() + QStringLiteral(".lock")));
    QCOMPARE(Module1::ReadWholeFile(savedText()), QStringLiteral("the writer's text"));

    // The next start takes the stale lock over and is the one window again.
    QProcess *third = start({});
    QVERIFY(third->waitForStarted());
    QTest::qWait(1000);
    QCOMPARE(third->state(), QProcess::Running);
    QProcess *fourth = start({});
    QVERIFY(fourth->waitForFinished(StartTimeoutMs));
    QCOMPARE(fourth->exitCode(), 0);
    QCOMPARE(third->state(), QProcess::Running);
    third->kill();
    QVERIFY(third->waitForFinished());
    QCOMPARE(Module1::ReadWholeFile(savedText()), QStringLiteral("the writer's text"));
}

QTEST_GUILESS_MAIN(TestTwoStarts)
#include "test_two_starts.moc"
