#include "cli/ArgumentParser.h"
#include "convert/core/ConversionEngine.h"
#include "tests/cli/CliProcess.h"
#include "tests/cli/CliTexts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pirtok;
using cliprocess::runConvert;
using clitexts::units;

namespace {

QByteArray utf16Bytes(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), 2 * text.size());
}

QString withoutLineFeeds(QString text)
{
    return text.remove(QLatin1Char('\n'));
}

} // namespace

// Any number of threads writes what one writes: the converted text of the whole file.
class TestCliJobs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jobsOption_data();
    void jobsOption();
    void sameForAnyJobs_data();
    void sameForAnyJobs();
    void faultInALaterBlock_data();
    void faultInALaterBlock();
    void otherInputEncodings_data();
    void otherInputEncodings();
};

void TestCliJobs::jobsOption_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("jobs"); // -1: refused
    QTest::newRow("default") << QStringList() << 0;
    QTest::newRow("-j 1") << QStringList{QStringLiteral("-j"), QStringLiteral("1")} << 1;
    QTest::newRow("-j3") << QStringList{QStringLiteral("-j3")} << 3;
    QTest::newRow("--jobs=64") << QStringList{QStringLiteral("--jobs=64")} << 64;
    QTest::newRow("--jobs 2") << QStringList{QStringLiteral("--jobs"), QStringLiteral("2")} << 2;
    QTest::newRow("zero") << QStringList{QStringLiteral("-j0")} << -1;
    QTest::newRow("too many") << QStringList{QStringLiteral("-j"), QStringLiteral("65")} << -1;
    QTest::newRow("not a number") << QStringList{QStringLiteral("--jobs=two")} << -1;
    QTest::newRow("negative") << QStringList{QStringLiteral("-j"), QStringLiteral("-2")} << -1;
    QTest::newRow("missing") << QStringList{QStringLiteral("-j")} << -1;
}

void TestCliJobs::jobsOption()
{
    QFETCH(QStringList, args);
    QFETCH(int, jobs);

    std::vector<std::string> arguments;
    for (const QString &arg : args)
        arguments.push_back(arg.toStdString());
    const cli::ArgumentParser::Result parsed = cli::ArgumentParser::parse(arguments);
    if (jobs < 0) {
        QVERIFY(!parsed.ok());
        QVERIFY2(parsed.error.find("-j") != std::string::npos, parsed.error.c_str());
    } else {
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(parsed.options.jobs, jobs);
    }
}

void TestCliJobs::sameForAnyJobs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("utf16Out");

    const QStringList toFont{QStringLiteral("--to-kurdish-font")};
    const QStringList toUtf16{QStringLiteral("--to=utf-16le")};
    const QStringList selection{QStringLiteral("--selection"), QStringLiteral("--pair"),
                                units({0x0643}) + QLatin1Char('=') + units({0x06A9})};
    const QString yeh = units({0x064A});
    for (quint32 seed = 1; seed <= 3; ++seed) {
        const QString text = clitexts::randomText(seed, 4000) + yeh;
        const QByteArray name = QByteArray::number(seed);
        QTest::newRow(name + " to unicode") << text << QStringList() << false;
        QTest::newRow(name + " to font") << text << toFont << false;
        QTest::newRow(name + " selection, pair") << text << selection << false;
        QTest::newRow(name + " to UTF-16LE") << text << toUtf16 << true;
    }
    QTest::newRow("no line feed") << withoutLineFeeds(clitexts::randomText(4, 4000)) + yeh << selection
                                  << false;
    QTest::newRow("one huge line, to UTF-16LE")
        << QString(30000, QChar(0x0631)) + units({0x0650}) << toUtf16 << true;
    QTest::newRow("line feed first and last")
        << QLatin1Char('\n') + clitexts::randomText(5, 3000) + QLatin1Char('\n') << toFont << false;
}

void TestCliJobs::sameForAnyJobs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, args);
    QFETCH(bool, utf16Out);

    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.txt"));
    cliprocess::writeFile(input, text.toUtf8());
    const cliprocess::Run one = runConvert(QStringList(args) << QStringLiteral("-j1") << input);
    QVERIFY2(one.exitCode == 0, one.err.constData());
    LetterPairs pairs;
    if (args.contains(QStringLiteral("--pair"))) {
        pairs.setBox(0, units({0x0643}));
        pairs.setBox(1, units({0x06A9}));
    }
    const Direction direction = args.contains(QStringLiteral("--to-kurdish-font"))
                                    ? Direction::UnicodeToKurdish
                                    : Direction::KurdishToUnicode;
    const RunKind kind =
        args.contains(QStringLiteral("--selection")) ? RunKind::Selection : RunKind::WholeText;
    const QString converted = convertText(text, direction, pairs, kind);
    QCOMPARE(one.out, utf16Out ? utf16Bytes(converted) : converted.toUtf8());

    // Small blocks: a line feed falls at many block borders, and most blocks have none.
    for (const QString &jobs : {QStringLiteral("-j2"), QStringLiteral("-j3")}) {
        for (const QString &block :
             {QStringLiteral("--buffer-size=64"), QStringLiteral("--buffer-size=1000")}) {
            const cliprocess::Run many = runConvert(QStringList(args) << jobs << block << input);
            QVERIFY2(many.exitCode == 0, many.err.constData());
            QVERIFY2(many.out == one.out, qPrintable(jobs + QLatin1Char(' ') + block));
        }
    }
    const cliprocess::Run byDefault = runConvert(QStringList(args) << input);
    QCOMPARE(byDefault.out, one.out);
    // Through a pipe the input streams on one thread.
    const cliprocess::Run piped = runConvert(args, text.toUtf8());
    QCOMPARE(piped.out, one.out);
}

void TestCliJobs::faultInALaterBlock_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("args");
    const QByteArray line = QString(31, QChar(0x0629)).toUtf8() + '\n'; // 63 bytes
    QTest::newRow("invalid UTF-8 in the second block")
        << line + QByteArray("ab\xD8\xA9\xC0\x80\n") + line + line << QStringList();
    QTest::newRow("cut short at the end, to UTF-16LE")
        << line + line + line + QByteArray("\xD8\xA9\xD8") << QStringList{QStringLiteral("--to=utf-16le")};
    QTest::newRow("in a long line") << line + QString(200, QChar(0x064A)).toUtf8() + QByteArray("\xFF") + line
                                    << QStringList();
    QTest::newRow("UTF-16LE input, lone surrogate")
        << utf16Bytes(QString(100, QChar(0x0629)) + QLatin1Char('\n') + QString(40, QChar(0x064A)) +
                      QChar(0xD800) + QLatin1Char('\n'))
        << QStringList{QStringLiteral("--from=utf-16le")};
}

// The same message and offset as with one thread, and standard output holds everything
// converted before the fault.
void TestCliJobs::faultInALaterBlock()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, args);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.txt"));
    cliprocess::writeFile(path, input);
    const cliprocess::Run one = runConvert(QStringList(args) << QStringLiteral("-j1") << path);
    QCOMPARE(one.exitCode, 1);
    QVERIFY2(one.err.contains("in.txt: byte offset "), one.err.constData());
    for (const QString &block : {QStringLiteral("--buffer-size=64"), QStringLiteral("--buffer-size=100")}) {
        const cliprocess::Run many = runConvert(QStringList(args) << QStringLiteral("-j3") << block << path);
        QCOMPARE(many.exitCode, 1);
        QCOMPARE(many.err, one.err);
        QCOMPARE(many.out, one.out);
    }
    QVERIFY(!one.out.isEmpty());
    // Through a pipe the input streams on one thread: the same fault, from another name.
    const cliprocess::Run piped = runConvert(args, input);
    QCOMPARE(piped.out, one.out);
    QCOMPARE(QString::fromUtf8(piped.err).replace(QStringLiteral("standard input"), path),
             QString::fromUtf8(one.err));
}

void TestCliJobs::otherInputEncodings_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");

    const QString text = clitexts::randomText(12, 3000);
    QTest::newRow("UTF-16LE by its mark")
        << QByteArray("\xFF\xFE") + utf16Bytes(text) << QStringList()
        << convertText(QChar(0xFEFF) + text, Direction::KurdishToUnicode, {});
    // Kurdish-font lines in the Windows Arabic code page: ة is C9, ي is ED, fatha F3.
    QByteArray cp1256;
    for (int i = 0; i < 200; ++i)
        cp1256 += QByteArray("\xC9\xED\xF3 \xED.\n");
    const QString decoded = units({0x0629, 0x064A, 0x064E, 0x20, 0x064A, 0x2E, 0x0A});
    QString expected;
    for (int i = 0; i < 200; ++i)
        expected += decoded;
    QTest::newRow("cp1256") << cp1256 << QStringList{QStringLiteral("--from=cp1256")}
                            << convertText(expected, Direction::KurdishToUnicode, {});
}

// Blocks are cut after line feeds in every input encoding.
void TestCliJobs::otherInputEncodings()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.txt"));
    cliprocess::writeFile(path, input);
    for (const QStringList &jobs :
         {QStringList{QStringLiteral("-j1")},
          QStringList{QStringLiteral("-j3"), QStringLiteral("--buffer-size=64")},
          QStringList{QStringLiteral("-j2"), QStringLiteral("--buffer-size=999")}}) {
        const cliprocess::Run run = runConvert(QStringList(args) << jobs << path);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        // Bytes, not QString::fromUtf8(), which would drop the kept byte-order mark.
        QVERIFY2(run.out == expected.toUtf8(), qPrintable(jobs.join(QLatin1Char(' '))));
    }
}

QTEST_GUILESS_MAIN(TestCliJobs)
#include "test_cli_jobs.moc"
