#include "shell/IniSettingsStore.h"
#include "shell/SettingsKeys.h"
#include "tests/support/CodeUnits.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using codeunits::codes;
using codeunits::units;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTrip_data();
    void roundTrip();
    void missingKey();
    void onePlainFilePerApplication();
    void failedSyncIsReported_data();
    void failedSyncIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    IniSettingsStore m_store;
};

void TestSettingsStore::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_home->path().toUtf8());
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("index") << QStringLiteral("fontname") << QStringLiteral("-1");
    QTest::newRow("key with a space") << QStringLiteral("Star Up") << QStringLiteral("1");
    QTest::newRow("Kurdish letter") << QStringLiteral("Text1") << units({0x0695});
    QTest::newRow("empty text") << QStringLiteral("Keyboard") << QString();
    QTest::newRow("path with spaces") << QStringLiteral("Varok PathName") << QStringLiteral("/home/a b/x");
    QTest::newRow("looks like a variant") << QStringLiteral("Text_1") << QStringLiteral("@Variant(x)");
    QTest::newRow("line break and quotes") << QStringLiteral("Text_2") << QStringLiteral("a\"b\n;c=d");
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, key, value).ok());
    const QString back =
        m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, key, QStringLiteral("default"));
    QCOMPARE(codes(back), codes(value));
}

void TestSettingsStore::missingKey()
{
    QCOMPARE(m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, QStringLiteral("Star Up")), QString());
    QCOMPARE(m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, QStringLiteral("Star Up"),
                          QStringLiteral("0")),
             QStringLiteral("0"));
}

void TestSettingsStore::onePlainFilePerApplication()
{
    QVERIFY(
        m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::Bold, QStringLiteral("1"))
            .ok());
    QVERIFY(m_store
                .write(SettingsKeys::Varok, SettingsKeys::Section, SettingsKeys::FirstRunMarker,
                       QStringLiteral("/OPT"))
                .ok());
    QFile pirtok(m_home->filePath(QStringLiteral("Pirtok/Pirtok.ini")));
    QFile varok(m_home->filePath(QStringLiteral("Varok/Varok.ini")));
    QVERIFY(pirtok.open(QIODevice::ReadOnly));
    QVERIFY(varok.open(QIODevice::ReadOnly));
    QCOMPARE(pirtok.readAll(), QByteArray("[Settings]\nBold=1\n"));
    QCOMPARE(varok.readAll(), QByteArray("[Settings]\nKeyboard=/OPT\n"));
    // Each application reads its own file only.
    QCOMPARE(m_store.read(SettingsKeys::Varok, SettingsKeys::Section, SettingsKeys::Bold), QString());
}

void TestSettingsStore::failedSyncIsReported_data()
{
    QTest::addColumn<bool>("fileIsAFolder");
    QTest::addColumn<bool>("sizeLimit");
    // The file's place is taken: QSettings keeps the values in memory, and only its
    // status after sync() tells they never reached the disk.
    QTest::newRow("a folder in the file's place") << true << false;
    // A file-size limit of 10 bytes: the write is cut short.
    QTest::newRow("file-size limit") << false << true;
}

void TestSettingsStore::failedSyncIsReported()
{
    QFETCH(bool, fileIsAFolder);
    QFETCH(bool, sizeLimit);
    const QString path = m_home->filePath(QStringLiteral("Pirtok/Pirtok.ini"));
    if (fileIsAFolder)
        QVERIFY(QDir().mkpath(path));
    const QString value(200, u'v');
    if (!sizeLimit) {
        const WriteResult written =
            m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::Bold, value);
        QVERIFY(!written.ok());
        QCOMPARE(written.path(), path);
        QVERIFY(!written.reason().isEmpty());
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = 10;
        setrlimit(RLIMIT_FSIZE, &fileSize);
        const WriteResult written =
            m_store.writeAll(SettingsKeys::Pirtok, SettingsKeys::Section, {{SettingsKeys::Bold, value}});
        _exit(written.ok() ? 0 : written.path() == path ? 1 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
    QVERIFY(!QFile::exists(path) || QFileInfo(path).size() == 0);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
