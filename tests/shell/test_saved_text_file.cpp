#include "shell/Module1.h"
#include "shell/SavedTextPath.h"
#include "tests/support/CodeUnits.h"
#include "tests/support/FileMode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using codeunits::codes;
using codeunits::units;

namespace {

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Limits the size of every file this process writes, for as long as it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

class TestSavedTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTrip_data();
    void roundTrip();
    void fiveByteFile();
    void privateMode();
    void failedSaveKeepsOldFile();
    void readingTellsUnreadableFromMissing();
    void path_data();
    void path();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file() const { return m_dir->filePath(QStringLiteral("Text.ini")); }
};

void TestSavedTextFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestSavedTextFile::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("size");
    QTest::newRow("three characters") << units({0x06D5, 0x06B5, 0x0695}) << qint64(6);
    QTest::newRow("empty text") << QString() << qint64(0);
    QTest::newRow("spaces and empty lines") << QStringLiteral("  a \n\n b  \n") << qint64(22);
    QTest::newRow("above U+FFFF") << units({0xD83D, 0xDE00, 0x0041}) << qint64(6);
}

void TestSavedTextFile::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(qint64, size);
    putBytes(file(), "an older text that is longer");
    QVERIFY(Module1::ReplaceFile(file(), text));
    QCOMPARE(QFileInfo(file()).size(), size);
    QCOMPARE(codes(Module1::ReadWholeFile(file())), codes(text));
}

void TestSavedTextFile::fiveByteFile()
{
    putBytes(file(), QByteArray::fromHex("d506b50641"));
    QCOMPARE(codes(Module1::ReadWholeFile(file())), codes(units({0x06D5, 0x06B5, 0x0041})));
}

void TestSavedTextFile::privateMode()
{
    QVERIFY(Module1::ReplaceFile(file(), QStringLiteral("private")));
    QCOMPARE(modeOf(file()), 0600);

    // Also when an older file let others read it.
    QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    QVERIFY(Module1::ReplaceFile(file(), QStringLiteral("again")));
    QCOMPARE(modeOf(file()), 0600);
}

void TestSavedTextFile::failedSaveKeepsOldFile()
{
    const QString old = QStringLiteral("yesterday's text");
    QVERIFY(Module1::ReplaceFile(file(), old));
    {
        // The system cuts the write short without an error when it crosses the limit.
        FileSizeLimit limit(4096);
        QVERIFY(!Module1::ReplaceFile(file(), QString(100000, u'x')));
    }
    QCOMPARE(Module1::ReadWholeFile(file()), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("Text.ini")});
}

void TestSavedTextFile::readingTellsUnreadableFromMissing()
{
    bool unreadable = true;
    QCOMPARE(Module1::ReadWholeFile(file(), &unreadable), QString());
    QVERIFY(!unreadable);

    // Something is there under the name, but it is no file that can be read: a folder, or
    // a pipe that would block the start for ever.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Text.ini")));
    QCOMPARE(Module1::ReadWholeFile(file(), &unreadable), QString());
    QVERIFY(unreadable);
    QVERIFY(QDir(m_dir->path()).rmdir(QStringLiteral("Text.ini")));
    QCOMPARE(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    QCOMPARE(Module1::ReadWholeFile(file(), &unreadable), QString());
    QVERIFY(unreadable);
}

void TestSavedTextFile::path_data()
{
    QTest::addColumn<bool>("tmpSet");
    QTest::newRow("TMP set") << true;
    QTest::newRow("TMP empty") << false;
}

void TestSavedTextFile::path()
{
    QFETCH(bool, tmpSet);
    const QDir root(m_dir->path());
    qputenv("TMP", tmpSet ? root.filePath(QStringLiteral("tmp")).toUtf8() : QByteArray());
    qputenv("XDG_STATE_HOME", root.filePath(QStringLiteral("state")).toUtf8());

    const QString expectedFolder =
        root.filePath(tmpSet ? QStringLiteral("tmp") : QStringLiteral("state/Pirtok"));
    QCOMPARE(SavedTextPath(), expectedFolder + QStringLiteral("/Text.ini"));
    if (!tmpSet) {
        // A folder of this user alone.
        QVERIFY(QFileInfo(expectedFolder).isDir());
        QCOMPARE(modeOf(expectedFolder), 0700);
    }
}

QTEST_GUILESS_MAIN(TestSavedTextFile)
#include "test_saved_text_file.moc"
