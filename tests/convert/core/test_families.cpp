#include "convert/core/ConversionPlan.h"
#include "convert/core/ConversionRun.h"
#include "convert/core/DirectionEntry.h"
#include "convert/core/LineClass.h"
#include "convert/core/LineConverter.h"
#include "convert/core/StreamConverter.h"
#include "convert/core/tables/RuleTables.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

// The legacy writings' tables: what each row means, the engine against a literal reading
// of every table, and the line-by-line plans whole, in chunks and tick by tick.

using namespace pirtok;
using testtexts::codes;
using testtexts::units;

Q_DECLARE_METATYPE(pirtok::Family)
Q_DECLARE_METATYPE(pirtok::Direction)

namespace {

// The rows of `table` read literally: at each position the first row that matches, or the
// unit itself. No row of these tables has pairs or an ending.
QString literalReading(const RuleTable &table, const QString &source)
{
    QString out;
    for (qsizetype pos = 0; pos < source.size();) {
        const Rule *taken = nullptr;
        for (int i = 0; i < table.count && !taken; ++i) {
            const Rule &row = table.rows[i];
            if (pos + row.inputLength > source.size())
                continue;
            bool same = true;
            for (int k = 0; k < row.inputLength; ++k)
                same = same && source.at(pos + k).unicode() == row.input[static_cast<std::size_t>(k)];
            if (same)
                taken = &row;
        }
        if (!taken) {
            out.append(source.at(pos++));
            continue;
        }
        for (int k = 0; k < taken->outputLength; ++k)
            out.append(QChar(taken->output[static_cast<std::size_t>(k)]));
        pos += taken->inputLength;
    }
    return out;
}

// Every unit any table reads, plus a few others, the marks and the line breaks.
QString tableAlphabet()
{
    QString all = units({u' ', u'.', u'\n', u'\r', 0x0627, 0x0628, 0x0646, 0x0644, 0x064E, 0x064B, 0x064C,
                         0x064D, 0x0650, 0x064F, 0x0652, 0x200C, 0x200F});
    for (Family family : {Family::AliK, Family::AliWeb, Family::Dylan, Family::Zarnegar}) {
        for (Direction direction : {Direction::KurdishToUnicode, Direction::UnicodeToKurdish}) {
            const RuleTable table = ruleTable(family, direction);
            for (int i = 0; i < table.count; ++i) {
                for (int k = 0; k < table.rows[i].inputLength; ++k) {
                    const QChar unit(table.rows[i].input[static_cast<std::size_t>(k)]);
                    if (!all.contains(unit))
                        all.append(unit);
                }
            }
        }
    }
    return all;
}

QString randomText(QRandomGenerator &random, const QString &alphabet, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(alphabet.at(random.bounded(static_cast<int>(alphabet.size()))));
    return text;
}

QString whole(const ConversionPlan &plan, const QString &text)
{
    StreamConverter converter(plan);
    QString out;
    converter.feed(text, out);
    converter.flush(out);
    return out;
}

QString inChunks(QRandomGenerator &random, const ConversionPlan &plan, const QString &text)
{
    StreamConverter converter(plan);
    QString out;
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype length = random.bounded(7);
        converter.feed(QStringView(text).mid(from, length), out);
        from += length;
    }
    converter.flush(out);
    return out;
}

const Family TableFamilies[] = {Family::AliK, Family::AliWeb, Family::Dylan, Family::Zarnegar};

} // namespace

class TestFamilies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsMean_data();
    void rowsMean();
    void engineMatchesLiteralReading_data();
    void engineMatchesLiteralReading();
    void readsBackWhatItWrites_data();
    void readsBackWhatItWrites();
    void plansInChunksAndTicks_data();
    void plansInChunksAndTicks();
    void treatmentPerLineClass_data();
    void treatmentPerLineClass();
    void longLineIsCutBetweenWords();
};

void TestFamilies::rowsMean_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const auto k2u = Direction::KurdishToUnicode;
    const auto u2k = Direction::UnicodeToKurdish;

    // بطؤرِنةءة: "and change", the glued "and" as a hamza
    QTest::newRow("ali-k glued and")
        << Family::AliK << k2u
        << units({0x0628, 0x0637, 0x0624, 0x0631, 0x0650, 0x0646, 0x0629, 0x0621, 0x0629})
        << units({0x0628, 0x06AF, 0x06C6, 0x0695, 0x0646, 0x06D5, 0x0648, 0x06D5});
    QTest::newRow("ali-k lam alef forms")
        << Family::AliK << k2u
        << units({0x0644, 0x0627, 0x064B, 0x0020, 0x0644, 0x0623, 0x0020, 0x0644, 0x0627})
        << units({0x06B5, 0x0627, 0x0020, 0x06B5, 0x0020, 0x0644, 0x0627});
    QTest::newRow("ali-k madda is ee, after lam is lla")
        << Family::AliK << k2u << units({0x0628, 0x0622, 0x0020, 0x0644, 0x0622})
        << units({0x0628, 0x06CE, 0x0020, 0x06B5, 0x0627});
    QTest::newRow("ali-k heh stays, kasra goes")
        << Family::AliK << k2u << units({0x0647, 0x0627, 0x0647, 0x0650, 0x0020, 0x0643, 0x064A, 0x0649})
        << units({0x0647, 0x0627, 0x0647, 0x0020, 0x06A9, 0x06CC, 0x06CC});
    QTest::newRow("ali-web swaps and its own rows")
        << Family::AliWeb << k2u << units({0x0637, 0x06AF, 0x0635, 0x067E, 0x0623, 0x064F, 0x0652, 0x06A9})
        << units({0x06AF, 0x0637, 0x06CE, 0x06B5, 0x0695, 0x06A9});
    QTest::newRow("dylan letters")
        << Family::Dylan << k2u
        << units({0x0628, 0x062B, 0x0020, 0x0635, 0x0630, 0x0636, 0x0644, 0x0625, 0x067E})
        << units({0x0628, 0x06CE, 0x0020, 0x06B5, 0x0695, 0x06A4, 0x06B5, 0x0627, 0x067E});
    QTest::newRow("zarnegar tanwin marks and heh")
        << Family::Zarnegar << k2u
        << units({0x0644, 0x0627, 0x064C, 0x0644, 0x064C, 0x06CC, 0x064C, 0x0648, 0x064C, 0x0631, 0x064D,
                  0x0647, 0x200F, 0x0647})
        << units({0x06B5, 0x0627, 0x06B5, 0x06CE, 0x06C6, 0x0695, 0x06D5, 0x0647});
    QTest::newRow("to ali-k") << Family::AliK << u2k
                              << units({0x06A9, 0x06CE, 0x06B5, 0x0627, 0x06D5, 0x0647, 0x200C})
                              << units({0x0643, 0x064A, 0x064E, 0x0644, 0x0622, 0x0629, 0x0629});
    QTest::newRow("to ali-web") << Family::AliWeb << u2k << units({0x06CE, 0x06B5, 0x0695, 0x06AF, 0x0637})
                                << units({0x0635, 0x067E, 0x0623, 0x0637, 0x06AF});
    QTest::newRow("to dylan") << Family::Dylan << u2k
                              << units({0x06CE, 0x06B5, 0x0695, 0x06A4, 0x06B5, 0x0627})
                              << units({0x062B, 0x0635, 0x0630, 0x0636, 0x0644, 0x0622});
    QTest::newRow("to zarnegar") << Family::Zarnegar << u2k << units({0x06B5, 0x0627, 0x06CE, 0x06D5})
                                 << units({0x0644, 0x064C, 0x0627, 0x06CC, 0x064C, 0x0647, 0x200F});
}

void TestFamilies::rowsMean()
{
    QFETCH(Family, family);
    QFETCH(Direction, direction);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(whole({family, direction, {}, RunKind::WholeText, false, {}}, source)), codes(expected));
}

void TestFamilies::engineMatchesLiteralReading_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<Direction>("direction");
    for (Family family : TableFamilies) {
        const QByteArray name = familyName(family).toLatin1();
        QTest::addRow("%s to unicode", name.constData()) << family << Direction::KurdishToUnicode;
        QTest::addRow("unicode to %s", name.constData()) << family << Direction::UnicodeToKurdish;
    }
}

// Thousands of random texts over every unit the tables read, whole and in chunks.
void TestFamilies::engineMatchesLiteralReading()
{
    QFETCH(Family, family);
    QFETCH(Direction, direction);
    QRandomGenerator random(17u * static_cast<quint32>(family) + static_cast<quint32>(direction));
    const QString alphabet = tableAlphabet();
    const ConversionPlan plan{family, direction, {}, RunKind::WholeText, false, {}};
    for (int round = 0; round < 2000; ++round) {
        const QString text = randomText(random, alphabet, random.bounded(60));
        const QString expected = literalReading(ruleTable(family, direction), text);
        const QString actual = whole(plan, text);
        if (actual != expected)
            qWarning().noquote() << "source" << codes(text);
        QCOMPARE(codes(actual), codes(expected));
        QCOMPARE(codes(inChunks(random, plan, text)), codes(expected));
    }
}

void TestFamilies::readsBackWhatItWrites_data()
{
    QTest::addColumn<Family>("family");
    for (Family family : TableFamilies)
        QTest::newRow(familyName(family).toLatin1().constData()) << family;
}

// Standard Sorani written in a family reads back as itself.
void TestFamilies::readsBackWhatItWrites()
{
    QFETCH(Family, family);
    const QString sorani =
        units({0x06A9, 0x06C6, 0x0645, 0x06D5, 0x06B5, 0x0627, 0x06CC, 0x06D5, 0x062A, 0x06CC,
               0x0020, 0x06AF, 0x06C6, 0x0695, 0x06CE, 0x0646, 0x0020, 0x06A4, 0x06CC, 0x0698,
               0x0020, 0x0686, 0x0627, 0x067E, 0x0020, 0x0647, 0x06CE, 0x06B5});
    const QString written =
        whole({family, Direction::UnicodeToKurdish, {}, RunKind::WholeText, false, {}}, sorani);
    QCOMPARE(codes(whole({family, Direction::KurdishToUnicode, {}, RunKind::WholeText, false, {}}, written)),
             codes(sorani));
}

void TestFamilies::plansInChunksAndTicks_data()
{
    QTest::addColumn<int>("listIndex");
    for (int listIndex = 0; listIndex < static_cast<int>(DirectionEntries.size()); ++listIndex)
        QTest::addRow("entry %d", listIndex) << listIndex;
}

// Every entry's plan with the pass on where it has one: chunks of any size and the
// window's ticks give what the whole text gives.
void TestFamilies::plansInChunksAndTicks()
{
    QFETCH(int, listIndex);
    const DirectionEntry entry = *directionEntry(listIndex);
    QRandomGenerator random(900u + static_cast<quint32>(listIndex));
    const QString alphabet = tableAlphabet() + units({0x06D5, 0x06CE, 0x06F1, 0x0661, u'(', u'!', 0x060C});
    for (int round = 0; round < 300; ++round) {
        const QString text = randomText(random, alphabet, random.bounded(400));
        for (RunKind kind : {RunKind::WholeText, RunKind::Selection}) {
            const ConversionPlan plan{entry.family, entry.direction, {}, kind, entry.standard, {}};
            const QString expected = whole(plan, text);
            QCOMPARE(codes(inChunks(random, plan, text)), codes(expected));
            ConversionRun run;
            run.start(text, kind);
            while (run.tick(listIndex, {}) == ConversionRun::TickResult::Running) {
            }
            QCOMPARE(codes(run.ConvertResult()), codes(expected));
        }
    }
}

void TestFamilies::treatmentPerLineClass_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<int>("lineClass");
    QTest::addColumn<int>("table");  // a Family, or -1 for none
    QTest::addColumn<int>("origin"); // a LineOrigin, or -1 for no pass
    const int none = -1;
    const auto f = [](Family family) { return static_cast<int>(family); };
    const auto o = [](LineOrigin origin) { return static_cast<int>(origin); };
    const auto c = [](LineClass lineClass) { return static_cast<int>(lineClass); };
    QTest::newRow("auto ali-web") << Family::Auto << true << c(LineClass::AliWeb) << f(Family::AliWeb)
                                  << o(LineOrigin::AliFamily);
    QTest::newRow("auto zarnegar") << Family::Auto << true << c(LineClass::Zarnegar) << f(Family::Zarnegar)
                                   << o(LineOrigin::Zarnegar);
    QTest::newRow("auto unicode") << Family::Auto << true << c(LineClass::Unicode) << none
                                  << o(LineOrigin::Unicode);
    QTest::newRow("auto arabic kept") << Family::Auto << true << c(LineClass::Arabic) << none << none;
    QTest::newRow("auto without pass")
        << Family::Auto << false << c(LineClass::Dylan) << f(Family::Dylan) << none;
    QTest::newRow("auto unicode without pass")
        << Family::Auto << false << c(LineClass::Unicode) << none << none;
    QTest::newRow("ali-k on unicode line, pass")
        << Family::AliK << true << c(LineClass::Unicode) << none << o(LineOrigin::Unicode);
    QTest::newRow("ali-k on arabic line, pass")
        << Family::AliK << true << c(LineClass::Arabic) << f(Family::AliK) << o(LineOrigin::AliFamily);
    QTest::newRow("unicode family") << Family::Unicode << false << c(LineClass::AliK) << none
                                    << o(LineOrigin::Unicode);
}

void TestFamilies::treatmentPerLineClass()
{
    QFETCH(Family, family);
    QFETCH(bool, standard);
    QFETCH(int, lineClass);
    QFETCH(int, table);
    QFETCH(int, origin);
    const ConversionPlan plan{family, Direction::KurdishToUnicode, {}, RunKind::WholeText, standard, {}};
    const LineTreatment treatment = treatmentOf(plan, static_cast<LineClass>(lineClass));
    QCOMPARE(treatment.table ? static_cast<int>(*treatment.table) : -1, table);
    QCOMPARE(treatment.pass ? static_cast<int>(*treatment.pass) : -1, origin);
}

// A line longer than the stream converter holds goes out in pieces that join to the
// conversion of the whole line, however the chunks fall.
void TestFamilies::longLineIsCutBetweenWords()
{
    const QString word =
        units({0x0628, 0x0629, 0x0020, 0x0637, 0x0624, 0x0631, 0x0650, 0x0627, 0x0646, 0x0020});
    QString line;
    while (line.size() < 3 * StreamConverter::LongLineUnits)
        line += word;
    const ConversionPlan plan{Family::AliK, Direction::KurdishToUnicode, {}, RunKind::WholeText, true, {}};
    LineConverter lines(plan);
    QString expected;
    lines.convert(line, lines.treatmentFor(line), RunKind::WholeText, expected);
    QRandomGenerator random(5u);
    for (int round = 0; round < 3; ++round) {
        StreamConverter converter(plan);
        QString out;
        for (qsizetype from = 0; from < line.size();) {
            const qsizetype length = 1 + random.bounded(100000);
            converter.feed(QStringView(line).mid(from, length), out);
            from += length;
        }
        converter.flush(out);
        QVERIFY(out == expected);
    }
}

QTEST_APPLESS_MAIN(TestFamilies)
#include "test_families.moc"
