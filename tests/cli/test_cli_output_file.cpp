#include "cli/AtomicOutputFile.h"
#include "cli/WriteFully.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace pirtok::cli;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool put(AtomicOutputFile &file, const QByteArray &bytes)
{
    return ::write(file.fd(), bytes.constData(), std::size_t(bytes.size())) == bytes.size();
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

} // namespace

class TestCliOutputFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endings_data();
    void endings();
    void keepsTheModeOfTheReplacedFile();
    void writesThroughASymbolicLink();
    void missingFolderIsAnError();
    void longNamesFit_data();
    void longNamesFit();
    void writesToTheEnd_data();
    void writesToTheEnd();
};

// However the writing ends, the folder holds the target alone: new or untouched.
void TestCliOutputFile::endings_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("ending"); // 0 commit, 1 discard, 2 destroyed without commit
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file committed") << false << 0 << QByteArray("new text");
    QTest::newRow("existing file committed") << true << 0 << QByteArray("new text");
    QTest::newRow("existing file discarded") << true << 1 << QByteArray("old text");
    QTest::newRow("existing file abandoned") << true << 2 << QByteArray("old text");
    QTest::newRow("new file discarded") << false << 1 << QByteArray("<missing>");
}

void TestCliOutputFile::endings()
{
    QFETCH(bool, existing);
    QFETCH(int, ending);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.txt"));
    if (existing)
        writeAll(target, "old text");
    {
        AtomicOutputFile file;
        std::string error;
        QVERIFY2(file.open(target.toStdString(), error), error.c_str());
        QVERIFY(put(file, "new text"));
        QCOMPARE(readAll(target), existing ? QByteArray("old text") : QByteArray("<missing>"));
        QCOMPARE(entries(dir).size(), existing ? 2 : 1);
        if (ending == 0)
            QVERIFY2(file.commit(error), error.c_str());
        else if (ending == 1)
            file.discard();
    }
    QCOMPARE(readAll(target), expected);
    QCOMPARE(entries(dir), expected == "<missing>" ? QStringList() : QStringList{QStringLiteral("out.txt")});
}

void TestCliOutputFile::keepsTheModeOfTheReplacedFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.txt"));
    writeAll(target, "old");
    QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    AtomicOutputFile file;
    std::string error;
    QVERIFY(file.open(target.toStdString(), error));
    QVERIFY(put(file, "new"));
    QVERIFY(file.commit(error));
    struct stat st = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), 0640);
}

void TestCliOutputFile::writesThroughASymbolicLink()
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    writeAll(real, "old");
    QVERIFY(QFile::link(real, link));
    AtomicOutputFile file;
    std::string error;
    QVERIFY(file.open(link.toStdString(), error));
    QVERIFY(put(file, "new"));
    QVERIFY(file.commit(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(real), QByteArray("new"));
}

void TestCliOutputFile::missingFolderIsAnError()
{
    QTemporaryDir dir;
    const std::string target = dir.filePath(QStringLiteral("no/such/out.txt")).toStdString();
    AtomicOutputFile file;
    std::string error;
    QVERIFY(!file.open(target, error));
    QVERIFY2(error.find(target) != std::string::npos, error.c_str());
}

// The temporary's name is longer than the target's; a target name near the limit of
// 255 bytes still gets one.
void TestCliOutputFile::longNamesFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("240 bytes") << QString(236, QLatin1Char('a')) + QStringLiteral(".txt");
    QTest::newRow("241 bytes") << QString(237, QLatin1Char('a')) + QStringLiteral(".txt");
    QTest::newRow("255 bytes") << QString(251, QLatin1Char('a')) + QStringLiteral(".txt");
    // 125 two-byte letters and ".txt": 254 bytes, cut between letters
    QTest::newRow("Kurdish letters") << QString(125, QChar(0x06D5)) + QStringLiteral(".txt");
}

void TestCliOutputFile::longNamesFit()
{
    QFETCH(QString, name);

    QTemporaryDir dir;
    const QString target = dir.filePath(name);
    AtomicOutputFile file;
    std::string error;
    QVERIFY2(file.open(QFile::encodeName(target).toStdString(), error), error.c_str());
    QCOMPARE(QFileInfo(QFile::decodeName(file.temporaryPath().c_str())).fileName().toUtf8().size(),
             qMin(name.toUtf8().size() + 15, 255));
    QVERIFY(put(file, "new"));
    QVERIFY2(file.commit(error), error.c_str());
    QCOMPARE(readAll(target), QByteArray("new"));
    QCOMPARE(entries(dir), QStringList{name});
}

namespace {

// Stand-ins for write(2): one that takes three bytes a call, one that takes none.
ssize_t writeThree(int, const void *, std::size_t size)
{
    return static_cast<ssize_t>(size < 3 ? size : 3);
}
ssize_t writeNothing(int, const void *, std::size_t)
{
    return 0;
}
ssize_t writeFull(int, const void *, std::size_t)
{
    errno = ENOSPC;
    return -1;
}

constexpr WriteCall Calls[] = {writeThree, writeNothing, writeFull};

} // namespace

void TestCliOutputFile::writesToTheEnd_data()
{
    QTest::addColumn<int>("call"); // index into Calls
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("written");
    QTest::newRow("short writes") << 0 << 0 << 10;
    QTest::newRow("a write that takes nothing") << 1 << EIO << 0;
    QTest::newRow("a full disk") << 2 << ENOSPC << 0;
}

void TestCliOutputFile::writesToTheEnd()
{
    QFETCH(int, call);
    QFETCH(int, fault);
    QFETCH(int, written);

    std::size_t done = 99;
    QCOMPARE(writeFully(-1, "0123456789", 10, done, Calls[call]), fault);
    QCOMPARE(int(done), written);
}

QTEST_APPLESS_MAIN(TestCliOutputFile)
#include "test_cli_output_file.moc"
