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
#include <sys/wait.h>
#include <unistd.h>

using codeunits::codes;
using codeunits::units;

namespace {

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Runs ReplaceFile in a child process whose files may not grow past `limit` bytes, with
// SIGXFSZ ignored as the program ignores it; true when the child's save reported success.
bool replaceUnderSizeLimit(const QString &path, const QString &content, rlim_t limit)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &fileSize);
        _exit(Module1::ReplaceFile(path, content).ok() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

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
    void failedSaveKeepsOldFile_data();
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
    QVERIFY(Module1::ReplaceFile(file(), text).ok());
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
    QVERIFY(Module1::ReplaceFile(file(), QStringLiteral("private")).ok());
    QCOMPARE(modeOf(file()), 0600);

    // Also when an older file let others read it.
    QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    QVERIFY(Module1::ReplaceFile(file(), QStringLiteral("again")).ok());
    QCOMPARE(modeOf(file()), 0600);
}

void TestSavedTextFile::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<int>("units");
    // Under the file's 16 KiB write buffer every write "succeeds" and only the flush sees
    // the short write; past it the write itself fails.
    QTest::newRow("buffered, 2000 bytes") << 1000;
    QTest::newRow("just under the buffer") << 8000;
    QTest::newRow("past the buffer") << 100000;
}

void TestSavedTextFile::failedSaveKeepsOldFile()
{
    QFETCH(int, units);
    const QString old = QStringLiteral("yesterday's text");
    QVERIFY(Module1::ReplaceFile(file(), old).ok());
    QVERIFY(!replaceUnderSizeLimit(file(), QString(units, u'x'), 100));
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
