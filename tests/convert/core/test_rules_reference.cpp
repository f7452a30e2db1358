#include "convert/core/ConversionEngine.h"
#include "convert/core/ConversionRun.h"
#include "convert/core/StreamConverter.h"
#include "tests/convert/core/ReferenceRules.h"
#include "tests/convert/core/RunColumns.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

// The engine against a plain reading of the rule tables (ReferenceRules), on thousands of
// random texts dense in the letters the rules react to, with random letter pairs.

using namespace pirtok;
using testtexts::addRunColumns;
using testtexts::codes;
using testtexts::units;

Q_DECLARE_METATYPE(pirtok::LetterPairs)

namespace {

constexpr int TextsPerCase = 2500;
constexpr int LongestText = 120;

// A box as a user may leave it: mostly one letter the rules also react to, sometimes
// empty, two letters (never matches), a plain letter, or the first rule's letters.
QString randomBox(QRandomGenerator &random)
{
    const QString &alphabet = testtexts::interestingUnits();
    const auto anyUnit = [&] {
        return QString(alphabet.at(random.bounded(static_cast<int>(alphabet.size()))));
    };
    switch (random.bounded(8)) {
    case 0:
        return QString();
    case 1:
        return anyUnit() + anyUnit();
    case 2:
        return QStringLiteral("x");
    case 3:
        return units({0x0629});
    case 4:
        return units({0x0647});
    default:
        return anyUnit();
    }
}

LetterPairs randomPairs(QRandomGenerator &random)
{
    LetterPairs pairs;
    for (int box = 0; box < LetterPairs::BoxCount; ++box) {
        if (random.bounded(3) != 0) // leave some pairs out entirely
            pairs.setBox(box, randomBox(random));
    }
    return pairs;
}

// QTest cuts long failure messages short, so the whole case goes to the log first.
bool sameAsReference(const char *engineName, const QString &source, const LetterPairs &pairs,
                     const QString &expected, const QString &actual)
{
    if (actual == expected)
        return true;
    QStringList boxes;
    for (int box = 0; box < LetterPairs::BoxCount; ++box)
        boxes.append(QStringLiteral("[%1]").arg(codes(pairs.box(box))));
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected.at(at) == actual.at(at))
        ++at;
    qWarning().noquote() << engineName << "differs from the reference at output unit" << at << "\nsource    "
                         << codes(source) << "\npairs     " << boxes.join(QLatin1Char(' ')) << "\nreference "
                         << codes(expected) << "\nengine    " << codes(actual);
    return false;
}

QString convertInRandomChunks(QRandomGenerator &random, StreamConverter &converter, const QString &text)
{
    QString out;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype length = random.bounded(6); // 0 gives an empty chunk
        converter.feed(QStringView(text).mid(from, length), out);
        from += length;
    }
    converter.flush(out);
    return out;
}

} // namespace

class TestRulesReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void referenceReadsTheTables_data();
    void referenceReadsTheTables();
    void engineMatchesReference_data();
    void engineMatchesReference();
    void everyUnit_data();
    void everyUnit();
    void everyShortText_data();
    void everyShortText();
    void ticksMatchReference_data();
    void ticksMatchReference();
};

// The reference itself is checked on the rows where a slip is easiest: order between
// overlapping rows, the endings, and pairs against the first row.
void TestRulesReference::referenceReadsTheTables_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<LetterPairs>("pairs");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    const auto k2u = Direction::KurdishToUnicode;
    const auto u2k = Direction::UnicodeToKurdish;
    const auto whole = RunKind::WholeText;
    const auto selection = RunKind::Selection;
    const LetterPairs none;

    QTest::newRow("lam alef hamza and madda")
        << k2u << whole << none << units({0x0644, 0x0623, 0x0644, 0x0622})
        << units({0x06B5, 0x0627, 0x06B5, 0x0627});
    QTest::newRow("lam alef fatha before lam fatha")
        << k2u << whole << none << units({0x0644, 0x0627, 0x064E, 0x0644, 0x064E})
        << units({0x06B5, 0x0627, 0x06B5});
    QTest::newRow("lam alef unmarked stays")
        << k2u << whole << none << units({0x0644, 0x0627}) << units({0x0644, 0x0627});
    QTest::newRow("yeh fatha before yeh separator")
        << k2u << whole << none << units({0x064A, 0x064E, 0x064A, u'-'}) << units({0x06CE, 0x0649, u'-'});
    QTest::newRow("final yeh, whole") << k2u << whole << none << units({0x064A}) << units({0x064A});
    QTest::newRow("final yeh, selection") << k2u << selection << none << units({0x064A}) << units({0x0649});
    QTest::newRow("yeh before line break and digit")
        << k2u << selection << none << units({0x064A, u'\n', 0x064A, u'7'})
        << units({0x064A, u'\n', 0x064A, u'7'});
    QTest::newRow("separator of a pair copied unchanged")
        << k2u << whole << testtexts::pairs({{0, QStringLiteral(".")}, {1, QStringLiteral("!")}})
        << units({0x064A, u'.', u'.'}) << units({0x0649, u'.', u'!'});
    QTest::newRow("pair cannot take teh marbuta")
        << k2u << whole << testtexts::pairs({{0, units({0x0629})}, {1, QStringLiteral("x")}})
        << units({0x0629}) << units({0x06D5});
    QTest::newRow("empty partner deletes") << k2u << whole << testtexts::pairs({{0, units({0x0636})}})
                                           << units({0x0636, 0x0628}) << units({0x0628});
    QTest::newRow("heh zwnj before a pair on heh")
        << u2k << whole << testtexts::pairs({{0, QStringLiteral("h")}, {1, units({0x0647})}})
        << units({0x0647, 0x200C, 0x0647}) << units({0x0629, u'h'});
    QTest::newRow("lone zwnj stays") << u2k << whole << none << units({0x200C, 0x0647})
                                     << units({0x200C, 0x0647});
    QTest::newRow("lla before ll") << u2k << whole << none << units({0x06B5, 0x0627, 0x06B5})
                                   << units({0x0644, 0x0622, 0x0644, 0x064E});
    QTest::newRow("ee and alef maksura")
        << u2k << selection << none << units({0x06CE, 0x0649}) << units({0x064A, 0x064E, 0x064A});
    QTest::newRow("surrogates pass") << u2k << whole << none << units({0xD83D, 0xDE00})
                                     << units({0xD83D, 0xDE00});
}

void TestRulesReference::referenceReadsTheTables()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QFETCH(LetterPairs, pairs);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(reference::convert(source, direction, pairs, kind)), codes(expected));
}

void TestRulesReference::engineMatchesReference_data()
{
    addRunColumns();
}

void TestRulesReference::engineMatchesReference()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QRandomGenerator random(20261208u + static_cast<quint32>(direction) * 2 + static_cast<quint32>(kind));
    for (int round = 0; round < TextsPerCase; ++round) {
        const QString text = testtexts::randomText(random, random.bounded(LongestText + 1));
        const LetterPairs pairs = round % 5 == 0 ? LetterPairs() : randomPairs(random);
        const QString expected = reference::convert(text, direction, pairs, kind);
        QVERIFY(
            sameAsReference("convertText", text, pairs, expected, convertText(text, direction, pairs, kind)));
        StreamConverter converter(direction, pairs, kind);
        QVERIFY(sameAsReference("StreamConverter", text, pairs, expected,
                                convertInRandomChunks(random, converter, text)));
    }
}

void TestRulesReference::everyUnit_data()
{
    addRunColumns();
}

// Each of the 65,536 code units after a ي (the separator set) and before one, which also
// makes it the last unit of the text.
void TestRulesReference::everyUnit()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    const QChar yeh(0x064A);
    const LetterPairs pairs; // a pair on ي would take it before the separator rule
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QChar unit(static_cast<char16_t>(code));
        for (const QString &text : {QString(yeh) + unit, QString(unit) + yeh}) {
            QVERIFY(sameAsReference("convertText", text, pairs,
                                    reference::convert(text, direction, pairs, kind),
                                    convertText(text, direction, pairs, kind)));
        }
    }
}

void TestRulesReference::everyShortText_data()
{
    addRunColumns();
}

// Every text of two and of three units drawn from the units the rules react to: each
// rule's input at the end of a text and after every possible first step.
void TestRulesReference::everyShortText()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    const QString &alphabet = testtexts::interestingUnits();
    for (const LetterPairs &pairs : {LetterPairs(), testtexts::busyPairs()}) {
        for (QChar first : alphabet) {
            for (QChar second : alphabet) {
                const QString two = QString(first) + second;
                QVERIFY(sameAsReference("convertText", two, pairs,
                                        reference::convert(two, direction, pairs, kind),
                                        convertText(two, direction, pairs, kind)));
                for (QChar third : alphabet) {
                    const QString three = two + third;
                    QVERIFY(sameAsReference("convertText", three, pairs,
                                            reference::convert(three, direction, pairs, kind),
                                            convertText(three, direction, pairs, kind)));
                }
            }
        }
    }
}

void TestRulesReference::ticksMatchReference_data()
{
    QTest::addColumn<RunKind>("kind");
    QTest::newRow("whole") << RunKind::WholeText;
    QTest::newRow("selection") << RunKind::Selection;
}

// A run whose direction changes between ticks, with ticks that have no direction.
void TestRulesReference::ticksMatchReference()
{
    QFETCH(RunKind, kind);
    QRandomGenerator random(kind == RunKind::WholeText ? 11u : 12u);
    const int noDirection = -1;
    for (int round = 0; round < TextsPerCase / 5; ++round) {
        const QString text = testtexts::randomText(random, random.bounded(8 * ConversionRun::StepsPerTick));
        const LetterPairs pairs = randomPairs(random);
        QList<int> listIndexes{static_cast<int>(random.bounded(2))};
        for (int tick = random.bounded(6); tick > 0; --tick)
            listIndexes.append(random.bounded(4) == 0 ? noDirection : static_cast<int>(random.bounded(2)));
        const reference::TickedRun expected = reference::convertByTicks(text, listIndexes, pairs, kind);

        ConversionRun run;
        run.start(text, kind);
        int ticks = 0;
        bool ended = false;
        while (!ended && ticks < expected.ticks + 1) {
            const int listIndex = listIndexes.at(ticks++ % listIndexes.size());
            ended = run.tick(listIndex, pairs) == ConversionRun::TickResult::Ended;
        }
        if (ticks != expected.ticks)
            qWarning().noquote() << "source" << codes(text) << "list indexes" << listIndexes;
        QCOMPARE(ticks, expected.ticks);
        QVERIFY(sameAsReference("ConversionRun", text, pairs, expected.result, run.ConvertResult()));
    }
}

QTEST_APPLESS_MAIN(TestRulesReference)
#include "test_rules_reference.moc"
