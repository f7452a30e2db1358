#include "convert/core/ConversionEngine.h"
#include "convert/core/ConversionRun.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

using namespace pirtok;
using testtexts::codes;
using testtexts::units;

Q_DECLARE_METATYPE(pirtok::RunKind)

namespace {

using Tick = ConversionRun::TickResult;

QString repeated(const QString &piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

class TestConversionRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tickBoundaries_data();
    void tickBoundaries();
    void directionChangedBetweenTicks();
    void noDirectionConvertsNothing_data();
    void noDirectionConvertsNothing();
    void finalYehByKind_data();
    void finalYehByKind();
    void restartAndStop();
    void ticksMatchWholeConversion();
};

void TestConversionRun::tickBoundaries_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("ticksRunning"); // ticks that return Running before the one that ends
    QTest::addColumn<qsizetype>("posAfterFirstTick");
    QTest::addColumn<QString>("captionAfterFirstTick");

    const QString letter = units({0x0628});
    const QString lamAlefFatha = units({0x0644, 0x0627, 0x064E});
    QTest::newRow("1 unit: ends in its first tick") << letter << 0 << qsizetype(2) << QStringLiteral("%200");
    QTest::newRow("79 units") << repeated(letter, 79) << 0 << qsizetype(80) << QStringLiteral("%101");
    QTest::newRow("80 units: ends at the next tick")
        << repeated(letter, 80) << 1 << qsizetype(81) << QStringLiteral("%101");
    QTest::newRow("81 units") << repeated(letter, 81) << 1 << qsizetype(81) << QStringLiteral("%100");
    QTest::newRow("160 units") << repeated(letter, 160) << 2 << qsizetype(81) << QStringLiteral("%51");
    QTest::newRow("161 units") << repeated(letter, 161) << 2 << qsizetype(81) << QStringLiteral("%50");
    // 80 steps of two units each: the step count, not the unit count, fills a tick.
    QTest::newRow("80 two-unit steps")
        << repeated(units({0x0648, 0x064E}), 80) << 1 << qsizetype(161) << QStringLiteral("%101");
    QTest::newRow("81 two-unit steps")
        << repeated(units({0x0648, 0x064E}), 81) << 1 << qsizetype(161) << QStringLiteral("%99");
    // The 80th step takes the last three units.
    QTest::newRow("used up by the 80th step")
        << repeated(letter, 79) + lamAlefFatha << 1 << qsizetype(83) << QStringLiteral("%101");
    QTest::newRow("79 steps over 81 units")
        << repeated(letter, 78) + lamAlefFatha << 0 << qsizetype(82) << QStringLiteral("%101");
}

void TestConversionRun::tickBoundaries()
{
    QFETCH(QString, source);
    QFETCH(int, ticksRunning);
    QFETCH(qsizetype, posAfterFirstTick);
    QFETCH(QString, captionAfterFirstTick);

    ConversionRun run;
    run.start(source, RunKind::WholeText);
    QCOMPARE(run.ConvertPos(), qsizetype(1));
    QVERIFY(run.isActive());

    int running = 0;
    Tick last = Tick::Running;
    for (int guard = 0; guard < 10 && last == Tick::Running; ++guard) {
        last = run.tick(0, LetterPairs());
        if (guard == 0) {
            QCOMPARE(run.ConvertPos(), posAfterFirstTick);
            QCOMPARE(run.progressCaption(), captionAfterFirstTick);
        }
        if (last == Tick::Running)
            ++running;
    }
    QCOMPARE(last, Tick::Ended);
    QCOMPARE(running, ticksRunning);
    QVERIFY(!run.isActive());
    QCOMPARE(run.ConvertPos(), source.size() + 1);
    QCOMPARE(codes(run.ConvertResult()),
             codes(convertText(source, Direction::KurdishToUnicode, LetterPairs())));
    // Once ended, further ticks change nothing.
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Ended);
    QCOMPARE(run.ConvertPos(), source.size() + 1);
}

void TestConversionRun::directionChangedBetweenTicks()
{
    // ض reads as Kurdish-font چ one way; چ reads back as ض the other way.
    const QString source = repeated(units({0x0636}), 80) + repeated(units({0x0686}), 80);
    ConversionRun run;
    run.start(source, RunKind::WholeText);
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Running);
    QCOMPARE(run.tick(1, LetterPairs()), Tick::Running);
    QCOMPARE(run.tick(1, LetterPairs()), Tick::Ended);
    QCOMPARE(codes(run.ConvertResult()),
             codes(repeated(units({0x0686}), 80) + repeated(units({0x0636}), 80)));
}

void TestConversionRun::noDirectionConvertsNothing_data()
{
    QTest::addColumn<int>("listIndex");
    QTest::newRow("9, past the list") << 9;
    QTest::newRow("-1") << -1;
}

void TestConversionRun::noDirectionConvertsNothing()
{
    QFETCH(int, listIndex);
    const QString source = repeated(units({0x0629}), 160);
    ConversionRun run;
    run.start(source, RunKind::WholeText);
    QCOMPARE(run.tick(listIndex, LetterPairs()), Tick::Running);
    QCOMPARE(run.ConvertPos(), qsizetype(1));
    QVERIFY(run.ConvertResult().isEmpty());
    QCOMPARE(run.progressCaption(), QStringLiteral("%1"));

    QCOMPARE(run.tick(0, LetterPairs()), Tick::Running);
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Running);
    // Used up, but with no direction the end test never runs: the run waits.
    QCOMPARE(run.tick(listIndex, LetterPairs()), Tick::Running);
    QVERIFY(run.isActive());
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Ended);
    QCOMPARE(codes(run.ConvertResult()), codes(repeated(units({0x06D5}), 160)));
}

void TestConversionRun::finalYehByKind_data()
{
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole text") << RunKind::WholeText << units({0x0628, 0x064A});
    QTest::newRow("selection") << RunKind::Selection << units({0x0628, 0x0649});
}

void TestConversionRun::finalYehByKind()
{
    QFETCH(RunKind, kind);
    QFETCH(QString, expected);
    ConversionRun run;
    run.start(units({0x0628, 0x064A}), kind);
    QCOMPARE(run.kind(), kind);
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Ended);
    QCOMPARE(codes(run.ConvertResult()), codes(expected));
}

void TestConversionRun::restartAndStop()
{
    ConversionRun run;
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Ended); // never started: nothing to do
    run.start(repeated(units({0x0629}), 200), RunKind::WholeText);
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Running);
    run.start(units({0x0636}), RunKind::Selection);
    QCOMPARE(run.ConvertPos(), qsizetype(1));
    QVERIFY(run.ConvertResult().isEmpty());
    QCOMPARE(run.ConvertSource(), units({0x0636}));
    run.stop();
    QVERIFY(!run.isActive());
    QCOMPARE(run.tick(0, LetterPairs()), Tick::Ended);
    QVERIFY(run.ConvertResult().isEmpty());
}

void TestConversionRun::ticksMatchWholeConversion()
{
    QRandomGenerator random(20240611);
    const LetterPairs none;
    const LetterPairs busy = testtexts::busyPairs();
    for (int round = 0; round < 400; ++round) {
        const QString source = testtexts::randomText(random, 1 + random.bounded(400));
        const int listIndex = round % 2;
        const auto direction = *directionFromListIndex(listIndex);
        const RunKind kind = (round / 2) % 2 ? RunKind::Selection : RunKind::WholeText;
        const LetterPairs &pairs = (round / 4) % 2 ? busy : none;

        ConversionRun run;
        run.start(source, kind);
        int ticks = 0;
        while (run.tick(listIndex, pairs) == Tick::Running)
            QVERIFY(++ticks <= source.size() / ConversionRun::StepsPerTick + 1);
        QCOMPARE(codes(run.ConvertResult()), codes(convertText(source, direction, pairs, kind)));
    }
}

QTEST_APPLESS_MAIN(TestConversionRun)
#include "test_conversion_run.moc"
