#include "convert/core/ConversionEngine.h"
#include "tests/cli/CliProcess.h"
#include "tests/cli/CliTexts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pirtok;
using clitexts::units;
using namespace cliprocess;

Q_DECLARE_METATYPE(pirtok::Direction)
Q_DECLARE_METATYPE(pirtok::RunKind)

namespace {

QStringList optionsFor(Direction direction, RunKind kind, const LetterPairs &pairs)
{
    QStringList args;
    args << (direction == Direction::KurdishToUnicode ? QStringLiteral("--to-unicode")
                                                      : QStringLiteral("--to-kurdish-font"));
    if (kind == RunKind::Selection)
        args << QStringLiteral("--selection");
    for (int row = 0; row < LetterPairs::PairCount; ++row) {
        if (!pairs.kurdishFont(row).isEmpty() || !pairs.unicode(row).isEmpty())
            args << QStringLiteral("--pair")
                 << pairs.kurdishFont(row) + QLatin1Char('=') + pairs.unicode(row);
    }
    return args;
}

} // namespace

class TestCliConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesWholeTextConversion_data();
    void matchesWholeTextConversion();
    void chunkBordersDoNotMatter_data();
    void chunkBordersDoNotMatter();
    void eachFileIsATextOfItsOwn();
    void encodingsPassThrough_data();
    void encodingsPassThrough();
    void refusals_data();
    void refusals();
    void standardOutputKeepsTheFilesBeforeAFault();
    void badInputLeavesOutputUntouched_data();
    void badInputLeavesOutputUntouched();
    void outputMayBeTheInput();
    void appendingToTheInputIsRefused();
    void interruptedRunLeavesNoTrace();
    void devicesAreWrittenInto();
    void progressOnlyOnATerminal();
    void helpAndVersion();
};

// What the program writes equals the engine's conversion of the whole text.
void TestCliConvert::matchesWholeTextConversion_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<bool>("withPairs");
    for (quint32 seed = 1; seed <= 4; ++seed) {
        for (Direction direction : {Direction::KurdishToUnicode, Direction::UnicodeToKurdish}) {
            for (RunKind kind : {RunKind::WholeText, RunKind::Selection}) {
                for (bool withPairs : {false, true}) {
                    const QByteArray name =
                        QByteArray::number(seed) +
                        (direction == Direction::KurdishToUnicode ? " to-unicode" : " to-font") +
                        (kind == RunKind::Selection ? " selection" : " whole") + (withPairs ? " pairs" : "");
                    QTest::newRow(name.constData()) << seed << direction << kind << withPairs;
                }
            }
        }
    }
}

void TestCliConvert::matchesWholeTextConversion()
{
    QFETCH(quint32, seed);
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QFETCH(bool, withPairs);

    const LetterPairs pairs = withPairs ? clitexts::somePairs() : LetterPairs();
    // Ending on a ي shows which ending the run gave the text.
    const QString text = clitexts::randomText(seed, 1500) + units({0x064A});
    const QString expected = convertText(text, direction, pairs, kind);
    for (const QString &buffer :
         {QStringLiteral("1048576"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("7")}) {
        const Run run = runConvert(
            optionsFor(direction, kind, pairs) << QStringLiteral("--buffer-size") << buffer, text.toUtf8());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(QString::fromUtf8(run.out), expected);
    }
}

// Read sizes from 1 to 17 bytes cut the input at every offset within a few bytes of each
// sequence and rule; every cut gives the same output.
void TestCliConvert::chunkBordersDoNotMatter_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<bool>("utf16");
    QTest::newRow("to unicode, UTF-8") << Direction::KurdishToUnicode << false;
    QTest::newRow("to font, UTF-8") << Direction::UnicodeToKurdish << false;
    QTest::newRow("to unicode, UTF-16LE") << Direction::KurdishToUnicode << true;
    QTest::newRow("to font, UTF-16LE") << Direction::UnicodeToKurdish << true;
}

void TestCliConvert::chunkBordersDoNotMatter()
{
    QFETCH(Direction, direction);
    QFETCH(bool, utf16);

    const QString text = clitexts::randomText(99, 400);
    const QString converted = convertText(text, direction, clitexts::somePairs());
    const QByteArray expected = utf16 ? utf16Bytes(converted) : converted.toUtf8();
    const QByteArray input = utf16 ? utf16Bytes(text) : text.toUtf8();
    QStringList args = optionsFor(direction, RunKind::WholeText, clitexts::somePairs());
    if (utf16)
        args << QStringLiteral("--from=utf-16le") << QStringLiteral("--to=utf-16le");
    for (int size = 1; size <= 17; ++size) {
        const Run run = runConvert(QStringList(args) << QStringLiteral("--buffer-size=%1").arg(size), input);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY2(run.out == expected, qPrintable(QStringLiteral("read size %1").arg(size)));
    }
}

void TestCliConvert::eachFileIsATextOfItsOwn()
{
    QTemporaryDir dir;
    // Each part ends in a ي that a following separator would turn into ى.
    const QString first = clitexts::randomText(5, 50) + units({0x064A});
    const QString second = units({0x002E, 0x0629, 0x064A});
    const QString third = units({0x0020}) + clitexts::randomText(6, 50);
    writeFile(dir.filePath(QStringLiteral("a.txt")), first.toUtf8());
    writeFile(dir.filePath(QStringLiteral("c.txt")), third.toUtf8());
    const Run run = runConvert(
        {dir.filePath(QStringLiteral("a.txt")), QStringLiteral("-"), dir.filePath(QStringLiteral("c.txt"))},
        second.toUtf8());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const Direction k2u = Direction::KurdishToUnicode;
    const QString expected =
        convertText(first, k2u, {}) + convertText(second, k2u, {}) + convertText(third, k2u, {});
    QCOMPARE(QString::fromUtf8(run.out), expected);
    QVERIFY(expected != convertText(first + second + third, k2u, {}));
}

void TestCliConvert::encodingsPassThrough_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("byte-order mark, UTF-8")
        << QStringList() << QByteArray("\xEF\xBB\xBF\xD8\xA9") << QByteArray("\xEF\xBB\xBF\xDB\x95");
    QTest::newRow("byte-order mark to UTF-16LE")
        << QStringList{QStringLiteral("--to=utf-16le")} << QByteArray("\xEF\xBB\xBF\xD8\xA9")
        << QByteArray("\xFF\xFE\xD5\x06", 4);
    QTest::newRow("lone surrogates, UTF-16LE both ways")
        << QStringList{QStringLiteral("--from=utf-16le"), QStringLiteral("--to=utf-16le")}
        << QByteArray("\x3D\xD8\x29\x06\x00\xDE\x3D\xD8", 8)
        << QByteArray("\x3D\xD8\xD5\x06\x00\xDE\x3D\xD8", 8);
    QTest::newRow("UTF-16LE to UTF-8")
        << QStringList{QStringLiteral("--from=utf-16le")} << QByteArray("\x29\x06\x3D\xD8\x00\xDE", 6)
        << QByteArray("\xDB\x95\xF0\x9F\x98\x80");
    QTest::newRow("empty input") << QStringList() << QByteArray() << QByteArray();
    // ا ل ة ي ى ک in the Windows Arabic code page
    QTest::newRow("cp1256") << QStringList{QStringLiteral("--from"), QStringLiteral("cp1256")}
                            << QByteArray("\xC7\xE1\xC9 \xED\xEC\x98")
                            << QByteArray("\xD8\xA7\xD9\x84\xDB\x95 \xD9\x8A\xD9\x89\xDA\xA9");
    QTest::newRow("cp1256 to UTF-16LE")
        << QStringList{QStringLiteral("--from=windows-1256"), QStringLiteral("--to=utf-16le")}
        << QByteArray("\xC9\r\n") << QByteArray("\xD5\x06\r\0\n\0", 6);
    QTest::newRow("UTF-16LE mark without --from")
        << QStringList() << QByteArray("\xFF\xFE\x29\x06", 4) << QByteArray("\xEF\xBB\xBF\xDB\x95");
    QTest::newRow("UTF-16LE mark to UTF-16LE")
        << QStringList{QStringLiteral("--to=utf-16le")} << QByteArray("\xFF\xFE\x29\x06", 4)
        << QByteArray("\xFF\xFE\xD5\x06", 4);
    QTest::newRow("UTF-16LE mark, read size 1")
        << QStringList{QStringLiteral("--buffer-size=1")} << QByteArray("\xFF\xFE\x29\x06", 4)
        << QByteArray("\xEF\xBB\xBF\xDB\x95");
}

void TestCliConvert::encodingsPassThrough()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);

    const Run run = runConvert(args, input);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.out, expected);
}

void TestCliConvert::refusals_data()
{
    QTest::addColumn<QStringList>("args"); // "@IN" is the input file, "@DIR" its folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("fragments"); // "!x": x must not be there

    const QString in = QStringLiteral("@IN");
    const QString from16 = QStringLiteral("--from=utf-16le");
    QTest::newRow("invalid UTF-8") << QStringList{in} << QByteArray("abc\xD8\xA9\xC0\x80") << 1
                                   << QStringList{QStringLiteral("in.txt: byte offset 5:"),
                                                  QStringLiteral("overlong")};
    QTest::newRow("invalid UTF-8 on standard input")
        << QStringList{QStringLiteral("-")} << QByteArray("\xD8\xA9\xFF") << 1
        << QStringList{QStringLiteral("standard input: byte offset 2:")};
    QTest::newRow("sequence cut by the end")
        << QStringList{in} << QByteArray("ab\xD8") << 1
        << QStringList{QStringLiteral("byte offset 2:"), QStringLiteral("end of the input")};
    QTest::newRow("odd UTF-16LE") << QStringList{from16, in} << QByteArray("a\0b", 3) << 1
                                  << QStringList{QStringLiteral("in.txt: byte offset 2:"),
                                                 QStringLiteral("UTF-16LE")};
    QTest::newRow("lone surrogate for UTF-8")
        << QStringList{from16, in}
        << QByteArray("a\0\x3D\xD8"
                      "b\0",
                      6)
        << 1 << QStringList{QStringLiteral("in.txt: byte offset 2:"), QStringLiteral("lone surrogate")};
    QTest::newRow("missing file") << QStringList{QStringLiteral("@DIR/missing.txt")} << QByteArray() << 1
                                  << QStringList{QStringLiteral("missing.txt: cannot open")};
    QTest::newRow("folder as input") << QStringList{QStringLiteral("@DIR")} << QByteArray() << 1
                                     << QStringList{QStringLiteral("byte offset 0: cannot read")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--quick"), in} << QByteArray("x") << 2
                                    << QStringList{QStringLiteral("unknown option '--quick'"),
                                                   QStringLiteral("--help")};
    QTest::newRow("bad pair") << QStringList{QStringLiteral("--pair"), QStringLiteral("abc"), in}
                              << QByteArray("x") << 2 << QStringList{QStringLiteral("--pair 'abc'")};
    QTest::newRow("unknown encoding") << QStringList{QStringLiteral("--to"), QStringLiteral("cp1256")}
                                      << QByteArray() << 2 << QStringList{QStringLiteral("cp1256")};

    // Without a sound multi-byte sequence before the fault, the text is likely in the code page.
    const QString hint = QStringLiteral("try --from cp1256");
    QTest::newRow("code page text as UTF-8") << QStringList{in} << QByteArray("abc \xC7\xE1") << 1
                                             << QStringList{QStringLiteral("in.txt: byte offset 4:"), hint};
    QTest::newRow("code page byte after UTF-8 text")
        << QStringList{in} << QByteArray("\xD8\xA9 \xC7\xE1") << 1
        << QStringList{QStringLiteral("byte offset 3:"), QLatin1Char('!') + hint};
    QTest::newRow("UTF-16LE mark with --from utf-8")
        << QStringList{QStringLiteral("--from=utf-8"), in} << QByteArray("\xFF\xFE\x29\x06", 4) << 1
        << QStringList{QStringLiteral("byte offset 0:"), QStringLiteral("try --from utf-16le"),
                       QLatin1Char('!') + hint};
    QTest::newRow("UTF-8 of even length read as UTF-16LE")
        << QStringList{from16, in} << QByteArray("abc \xD8\xA9\xD8\xA9 \xD9\x8E abc def") << 1
        << QStringList{QStringLiteral("byte offset 0: the input does not look like UTF-16LE")};
    QTest::newRow("UTF-8 read as UTF-16LE")
        << QStringList{from16, in} << QByteArray("a \xD8\xA9 \xD8\xA9.") << 1
        << QStringList{QStringLiteral("does not look like UTF-16LE"), QStringLiteral("!lone surrogate")};
}

void TestCliConvert::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QStringList, fragments);

    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.txt"));
    writeFile(input, content);
    for (QString &arg : args)
        arg.replace(QStringLiteral("@IN"), input).replace(QStringLiteral("@DIR"), dir.path());
    const Run run = runConvert(args, content);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty() || exitCode == 1);
    const QString err = QString::fromUtf8(run.err);
    for (const QString &fragment : fragments) {
        if (fragment.startsWith(QLatin1Char('!')))
            QVERIFY2(!err.contains(fragment.mid(1)), qPrintable(err));
        else
            QVERIFY2(err.contains(fragment), qPrintable(err));
    }
}

void TestCliConvert::standardOutputKeepsTheFilesBeforeAFault()
{
    QTemporaryDir dir;
    const QString good = clitexts::randomText(8, 300);
    writeFile(dir.filePath(QStringLiteral("good.txt")), good.toUtf8());
    writeFile(dir.filePath(QStringLiteral("bad.txt")), QByteArray("\xD8\xA9\xFF"));
    const Run run =
        runConvert({dir.filePath(QStringLiteral("good.txt")), dir.filePath(QStringLiteral("bad.txt"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("bad.txt: byte offset 2:"), run.err.constData());
    // The bad file's sound start is converted too, as a text that ends at the fault.
    QCOMPARE(QString::fromUtf8(run.out), convertText(good, Direction::KurdishToUnicode, {}) +
                                             convertText(units({0x0629}), Direction::KurdishToUnicode, {}));
}

void TestCliConvert::badInputLeavesOutputUntouched_data()
{
    QTest::addColumn<QByteArray>("second"); // content of the second input; empty: no such file
    QTest::newRow("invalid UTF-8 in the second file") << QByteArray("\xD8\xA9\xE2\x82");
    QTest::newRow("second file missing") << QByteArray();
}

void TestCliConvert::badInputLeavesOutputUntouched()
{
    QFETCH(QByteArray, second);

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    writeFile(out, "keep me");
    // The first file is big enough to be written out before the second one fails.
    writeFile(dir.filePath(QStringLiteral("a.txt")), QByteArray(3 << 20, 'a'));
    if (!second.isEmpty())
        writeFile(dir.filePath(QStringLiteral("b.txt")), second);
    const Run run = runConvert({dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("b.txt")),
                                QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("b.txt"), run.err.constData());
    QCOMPARE(readFile(out), QByteArray("keep me"));
    QStringList expected{QStringLiteral("a.txt"), QStringLiteral("out.txt")};
    if (!second.isEmpty())
        expected << QStringLiteral("b.txt");
    expected.sort();
    QCOMPARE(entries(dir), expected);
}

void TestCliConvert::outputMayBeTheInput()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.txt"));
    const QString text = clitexts::randomText(11, 3000);
    writeFile(path, text.toUtf8());
    const Run run = runConvert({path, QStringLiteral("-o"), path});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(QString::fromUtf8(readFile(path)), convertText(text, Direction::KurdishToUnicode, {}));
    QCOMPARE(entries(dir), QStringList{QStringLiteral("book.txt")});
}

// `pirtok-convert book.txt >> book.txt` would read its own output for ever.
void TestCliConvert::appendingToTheInputIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.txt"));
    writeFile(path, QByteArray(3 << 20, 'a'));
    QProcess process;
    process.setStandardOutputFile(path, QIODevice::Append);
    process.start(QStringLiteral(PIRTOK_CONVERT_PATH), {path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("book.txt: is the file that standard output appends to"));
    QCOMPARE(QFileInfo(path).size(), qint64(3 << 20));
}

void TestCliConvert::interruptedRunLeavesNoTrace()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    writeFile(out, "keep me");
    QProcess process;
    process.start(QStringLiteral(PIRTOK_CONVERT_PATH), {QStringLiteral("-o"), out});
    QVERIFY(process.waitForStarted());
    process.write(QByteArray(1 << 20, 'a'));
    // The temporary beside the output shows that the run is under way.
    QTRY_COMPARE(entries(dir).size(), 2);
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(readFile(out), QByteArray("keep me"));
    QCOMPARE(entries(dir), QStringList{QStringLiteral("out.txt")});
}

// A pipe or device named by -o is written into, never replaced by a regular file. (A
// FIFO of the test's own stands for the device: a faulty program must not be able to
// replace a real one.) A full output is an error.
void TestCliConvert::devicesAreWrittenInto()
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    const QString text = clitexts::randomText(3, 200);
    const Run run = runConvert({QStringLiteral("-o"), QFile::decodeName(fifo)}, text.toUtf8());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QByteArray received(1 << 16, '\0');
    const ssize_t got = ::read(reader, received.data(), std::size_t(received.size()));
    ::close(reader);
    QVERIFY(got >= 0);
    received.truncate(got);
    QCOMPARE(QString::fromUtf8(received), convertText(text, Direction::KurdishToUnicode, {}));
    struct stat st = {};
    QCOMPARE(::lstat(fifo.constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QCOMPARE(entries(dir), QStringList{QStringLiteral("fifo")});

    // Standard output on a full device; the program only writes into it.
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(PIRTOK_CONVERT_PATH), QStringList());
    QVERIFY(process.waitForStarted());
    process.write(text.toUtf8());
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 1);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("standard output: byte offset 0: cannot write"), err.constData());
}

// A progress line is for a person at a terminal: never in a pipe or a log.
void TestCliConvert::progressOnlyOnATerminal()
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    writeFile(big, QByteArray((8 << 20) + 1, 'a'));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    const Run piped = runConvert({big, QStringLiteral("-o"), out});
    QCOMPARE(piped.exitCode, 0);
    QCOMPARE(piped.err, QByteArray());

    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("no script(1) to give the program a terminal");
    QProcess terminal;
    const QString command =
        QStringLiteral("'%1' '%2' -o '%3'").arg(QStringLiteral(PIRTOK_CONVERT_PATH), big, out);
    terminal.start(script, {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
    QVERIFY(terminal.waitForFinished(60000));
    QCOMPARE(terminal.exitCode(), 0);
    const QByteArray shown = terminal.readAllStandardOutput();
    QVERIFY2(shown.contains("100%") && shown.contains("MB/s"), shown.constData());
}

void TestCliConvert::helpAndVersion()
{
    const Run help = runConvert({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    for (const char *fragment : {"Usage: pirtok-convert", "--to-unicode", "--to-kurdish-font", "--pair K=U",
                                 "--selection", "--from ENC", "-o, --output OUT", "Exit status"})
        QVERIFY2(help.out.contains(fragment), fragment);
    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("-V")}) {
        const Run version = runConvert({option});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("pirtok-convert " PIRTOK_VERSION "\n"));
    }
}

QTEST_GUILESS_MAIN(TestCliConvert)
#include "test_cli_convert.moc"
