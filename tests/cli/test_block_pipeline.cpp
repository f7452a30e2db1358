#include "cli/BlockPipeline.h"
#include "convert/core/ConversionEngine.h"
#include "tests/cli/CliTexts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace pirtok;
using namespace pirtok::cli;
using clitexts::units;

Q_DECLARE_METATYPE(pirtok::Direction)
Q_DECLARE_METATYPE(pirtok::RunKind)
Q_DECLARE_METATYPE(pirtok::cli::TextEncoding)

namespace {

QByteArray encoded(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), 2 * text.size());
}

struct Piped
{
    BlockPipeline::Outcome outcome;
    QByteArray out;
};

// Runs the pipeline from a file holding `input` into a file, as the program does.
Piped runPipeline(const QByteArray &input, const ConvertOptions &options, int threads, std::size_t blockSize)
{
    QTemporaryDir dir;
    const QByteArray inPath = QFile::encodeName(dir.filePath(QStringLiteral("in")));
    const QByteArray outPath = QFile::encodeName(dir.filePath(QStringLiteral("out")));
    QFile in(QFile::decodeName(inPath));
    if (!in.open(QIODevice::WriteOnly) || in.write(input) != input.size())
        return {};
    in.close();
    const int inFd = ::open(inPath.constData(), O_RDONLY);
    const int outFd = ::open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Piped piped;
    BlockPipeline pipeline(options, threads, blockSize);
    piped.outcome = pipeline.run(inFd, outFd);
    ::close(inFd);
    ::close(outFd);
    QFile out(QFile::decodeName(outPath));
    if (out.open(QIODevice::ReadOnly))
        piped.out = out.readAll();
    return piped;
}

ConvertOptions optionsFor(Direction direction, RunKind kind, TextEncoding from, TextEncoding to)
{
    ConvertOptions options;
    options.direction = direction;
    options.kind = kind;
    options.from = from;
    options.fromGiven = true;
    options.to = to;
    return options;
}

// `count` lines of `letters` Arabic letters, an ASCII letter and a line feed.
QString lines(int count, int letters)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString(letters, QChar(0x0629)) + QStringLiteral("a\n");
    return text;
}

} // namespace

class TestBlockPipeline : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsOneText_data();
    void sameAsOneText();
    void faultStopsBeforeItsBlock_data();
    void faultStopsBeforeItsBlock();
    void blockSizeKeepsMemoryBounded();
};

// Every cut, every thread count: the output of the whole text converted at once.
void TestBlockPipeline::sameAsOneText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<TextEncoding>("from");
    QTest::addColumn<TextEncoding>("to");
    QTest::addColumn<bool>("withPairs");

    const Direction k2u = Direction::KurdishToUnicode;
    const Direction u2k = Direction::UnicodeToKurdish;
    const TextEncoding utf8 = TextEncoding::Utf8;
    const TextEncoding utf16 = TextEncoding::Utf16Le;
    const QString yeh = units({0x064A});
    for (quint32 seed = 1; seed <= 3; ++seed) {
        const QString text = clitexts::randomText(seed, 3000) + yeh;
        const QByteArray name = QByteArray::number(seed);
        QTest::newRow(name + " to unicode") << text << k2u << RunKind::WholeText << utf8 << utf8 << false;
        QTest::newRow(name + " to font, pairs") << text << u2k << RunKind::WholeText << utf8 << utf8 << true;
        QTest::newRow(name + " selection, pairs")
            << text << k2u << RunKind::Selection << utf8 << utf8 << true;
        QTest::newRow(name + " to UTF-16LE") << text << k2u << RunKind::WholeText << utf8 << utf16 << true;
        QTest::newRow(name + " from UTF-16LE") << text << u2k << RunKind::Selection << utf16 << utf8 << false;
        QTest::newRow(name + " UTF-16LE both") << text << k2u << RunKind::WholeText << utf16 << utf16 << true;
    }
    QString noLineFeed = clitexts::randomText(7, 3000);
    noLineFeed.remove(QLatin1Char('\n'));
    QTest::newRow("no line feed") << noLineFeed + yeh << k2u << RunKind::Selection << utf8 << utf8 << true;
    QTest::newRow("no line feed, UTF-16LE")
        << noLineFeed << k2u << RunKind::WholeText << utf16 << utf16 << false;
    const QString oneLine = QString(20000, QChar(0x0644)) + units({0x0627, 0x064E, 0x064A});
    QTest::newRow("one huge line") << oneLine << k2u << RunKind::Selection << utf8 << utf8 << false;
    QTest::newRow("one huge line, then more") << oneLine + QLatin1Char('\n') + clitexts::randomText(8, 500)
                                              << k2u << RunKind::WholeText << utf8 << utf16 << false;
    QTest::newRow("line feed first and last")
        << QLatin1Char('\n') + clitexts::randomText(9, 800) + QLatin1Char('\n') << u2k << RunKind::Selection
        << utf8 << utf8 << true;
    // Lines of 64 bytes: a line feed ends every block of 64.
    QTest::newRow("line feed at every border")
        << lines(40, 31) << k2u << RunKind::WholeText << utf8 << utf8 << false;
    QTest::newRow("line feed at every border, UTF-16LE")
        << lines(40, 30) << k2u << RunKind::WholeText << utf16 << utf16 << false;
    QTest::newRow("only line feeds") << QString(500, QLatin1Char('\n')) << k2u << RunKind::WholeText << utf8
                                     << utf8 << true;
    QTest::newRow("empty") << QString() << k2u << RunKind::Selection << utf8 << utf8 << false;
}

void TestBlockPipeline::sameAsOneText()
{
    QFETCH(QString, text);
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QFETCH(TextEncoding, from);
    QFETCH(TextEncoding, to);
    QFETCH(bool, withPairs);

    ConvertOptions options = optionsFor(direction, kind, from, to);
    if (withPairs)
        options.pairs = clitexts::somePairs();
    const QByteArray expected = encoded(convertText(text, direction, options.pairs, kind), to);
    const QByteArray input = encoded(text, from);
    for (int threads : {1, 2, 3}) {
        for (std::size_t blockSize : {std::size_t(64), std::size_t(1000), std::size_t(1) << 20}) {
            const Piped piped = runPipeline(input, options, threads, blockSize);
            const QByteArray where = "threads " + QByteArray::number(threads) + ", blocks of " +
                                     QByteArray::number(qulonglong(blockSize));
            QVERIFY2(piped.outcome.status == BlockPipeline::Status::Done, where.constData());
            QVERIFY2(piped.out == expected, where.constData());
            QCOMPARE(piped.outcome.written, std::uint64_t(expected.size()));
        }
    }
}

// A fault stops the run at its block: every block before it is written, nothing after.
void TestBlockPipeline::faultStopsBeforeItsBlock_data()
{
    QTest::addColumn<QByteArray>("good");                               // whole blocks before the fault
    QTest::addColumn<QByteArray>("bad");                                // the block with the fault, then more
    const QByteArray line = QString(31, QChar(0x0629)).toUtf8() + '\n'; // 63 bytes
    QTest::newRow("second block") << line << QByteArray("ab\xC0\x80\n") + line + line;
    QTest::newRow("fifth block") << line + line + line + line << QByteArray("\xD8\n") + line;
    QTest::newRow("cut short at the end") << line << QByteArray("ab\xD8");
    QTest::newRow("first block") << QByteArray() << QByteArray("\xFF") + line + line;
}

void TestBlockPipeline::faultStopsBeforeItsBlock()
{
    QFETCH(QByteArray, good);
    QFETCH(QByteArray, bad);

    const ConvertOptions options =
        optionsFor(Direction::KurdishToUnicode, RunKind::WholeText, TextEncoding::Utf8, TextEncoding::Utf8);
    const QByteArray expected = convertText(QString::fromUtf8(good), options.direction, {}).toUtf8();
    for (int threads : {1, 2, 4}) {
        const Piped piped = runPipeline(good + bad, options, threads, 64);
        QVERIFY(piped.outcome.status == BlockPipeline::Status::Fault);
        QCOMPARE(piped.out, expected);
        QCOMPARE(piped.outcome.written, std::uint64_t(expected.size()));
    }
}

void TestBlockPipeline::blockSizeKeepsMemoryBounded()
{
    std::size_t previous = BlockPipeline::blockSizeFor(1);
    QCOMPARE(previous, std::size_t(1) << 20);
    for (int threads : {2, 4, 16, 64, 1024}) {
        const std::size_t size = BlockPipeline::blockSizeFor(threads);
        QVERIFY(size <= previous);
        QVERIFY(size >= std::size_t(64) << 10);
        QVERIFY(threads > 64 || 3 * size * std::size_t(threads) <= std::size_t(12) << 20);
        previous = size;
    }
}

QTEST_GUILESS_MAIN(TestBlockPipeline)
#include "test_block_pipeline.moc"
