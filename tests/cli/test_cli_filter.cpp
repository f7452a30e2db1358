#include "convert/core/ConversionEngine.h"
#include "tests/cli/CliProcess.h"
#include "tests/cli/CliTexts.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using namespace pirtok;
using namespace cliprocess;
using clitexts::units;

Q_DECLARE_METATYPE(pirtok::Direction)
Q_DECLARE_METATYPE(pirtok::RunKind)

// pirtok-convert as a filter in a pipeline: standard output gets every sound byte before a
// fault, and text that arrives slowly goes out as it arrives.
class TestCliFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void faultKeepsEverySoundByte_data();
    void faultKeepsEverySoundByte();
    void linesGoOutAsTheyArrive();
    void lineBreakEndsEveryRule_data();
    void lineBreakEndsEveryRule();
};

void TestCliFilter::faultKeepsEverySoundByte_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("good");
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("expected");

    const Direction k2u = Direction::KurdishToUnicode;
    const QString text = clitexts::randomText(21, 2000);
    // Ends in a ة that the converter holds back until it knows what follows.
    const QString big = QString(2500000 - 2, QLatin1Char('a')) + units({0x0629});
    for (const char *size : {"1048576", "65536", "4093", "7", "1"}) {
        const QStringList args{QStringLiteral("--buffer-size=%1").arg(QLatin1String(size))};
        QTest::newRow(qPrintable(QStringLiteral("UTF-8, read size %1").arg(QLatin1String(size))))
            << args << text.toUtf8() << QByteArray("\xFF") << convertText(text, k2u, {});
        QTest::newRow(
            qPrintable(QStringLiteral("UTF-16LE lone surrogate, read size %1").arg(QLatin1String(size))))
            << (QStringList(args) << QStringLiteral("--from=utf-16le")) << utf16Bytes(text)
            << QByteArray("\x00\xDC", 2) << convertText(text, k2u, {});
    }
    for (const char *size : {"1048576", "1000003"}) {
        QTest::newRow(qPrintable(QStringLiteral("2.5 MB, read size %1").arg(QLatin1String(size))))
            << QStringList{QStringLiteral("--buffer-size=%1").arg(QLatin1String(size))} << big.toUtf8()
            << QByteArray("\xC0\x80") << convertText(big, k2u, {});
    }
}

void TestCliFilter::faultKeepsEverySoundByte()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, good);
    QFETCH(QByteArray, bad);
    QFETCH(QString, expected);

    const Run run = runConvert(args, good + bad + QByteArray("more"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("byte offset " + QByteArray::number(good.size()) + ":"), run.err.constData());
    QCOMPARE(run.out.size(), expected.toUtf8().size());
    QCOMPARE(QString::fromUtf8(run.out), expected);
}

// `tail -f log | pirtok-convert`: each line shows while the input is still open.
void TestCliFilter::linesGoOutAsTheyArrive()
{
    QProcess process;
    process.start(QStringLiteral(PIRTOK_CONVERT_PATH), QStringList());
    QVERIFY(process.waitForStarted());
    // Ends in a ي, whose form depends on what follows it.
    const QString lines[] = {units({0x0644, 0x0627, 0x064E, 0x0020, 0x064A, 0x000A}),
                             units({0x0631, 0x0650, 0x0629, 0x064A, 0x000A})};
    QByteArray shown;
    for (const QString &line : lines) {
        process.write(line.toUtf8());
        const QByteArray expected = convertText(line, Direction::KurdishToUnicode, {}).toUtf8();
        QElapsedTimer waited;
        waited.start();
        while (shown.size() < expected.size() && waited.elapsed() < 10000) {
            process.waitForReadyRead(100);
            shown += process.readAllStandardOutput();
        }
        QCOMPARE(QString::fromUtf8(shown), QString::fromUtf8(expected));
        shown.clear();
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

// The converter passes a line on as soon as it ends, which is sound only while no rule
// reads across a line break: a text cut after one converts exactly as the whole.
void TestCliFilter::lineBreakEndsEveryRule_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<bool>("withPairs");
    for (Direction direction : {Direction::KurdishToUnicode, Direction::UnicodeToKurdish}) {
        for (RunKind kind : {RunKind::WholeText, RunKind::Selection}) {
            for (bool withPairs : {false, true}) {
                const QByteArray name =
                    QByteArray(direction == Direction::KurdishToUnicode ? "to unicode" : "to font") +
                    (kind == RunKind::Selection ? ", selection" : ", whole") + (withPairs ? ", pairs" : "");
                QTest::newRow(name.constData()) << direction << kind << withPairs;
            }
        }
    }
}

void TestCliFilter::lineBreakEndsEveryRule()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QFETCH(bool, withPairs);

    LetterPairs pairs = withPairs ? clitexts::somePairs() : LetterPairs();
    if (withPairs)
        pairs.setBox(6, units({0x000A})); // a pair may take the line break itself
    const QString text = clitexts::randomText(31, 4000);
    const QString whole = convertText(text, direction, pairs, kind);
    QString pieces;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            pieces += convertText(QStringView(text).mid(from, i + 1 - from), direction, pairs, kind);
            from = i + 1;
        }
    }
    QVERIFY(from > 0);
    pieces += convertText(QStringView(text).mid(from), direction, pairs, kind);
    QCOMPARE(pieces, whole);
}

QTEST_GUILESS_MAIN(TestCliFilter)
#include "test_cli_filter.moc"
