#include "convert/core/ConversionEngine.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

using namespace pirtok;
using testtexts::codes;
using testtexts::pairs;
using testtexts::units;

Q_DECLARE_METATYPE(pirtok::Direction)
Q_DECLARE_METATYPE(pirtok::RunKind)
Q_DECLARE_METATYPE(pirtok::LetterPairs)

class TestConversionRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kurdishToUnicode_data();
    void kurdishToUnicode();
    void unicodeToKurdish_data();
    void unicodeToKurdish();
    void letterPairs_data();
    void letterPairs();
    void separators();
    void nonSeparators_data();
    void nonSeparators();
    void finalYeh_data();
    void finalYeh();
    void roundTrip_data();
    void roundTrip();
    void stepConsumes_data();
    void stepConsumes();
};

static void addColumns()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
}

void TestConversionRules::kurdishToUnicode_data()
{
    addColumns();
    QTest::newRow("teh marbuta") << units({0x0629}) << units({0x06D5});
    QTest::newRow("dad") << units({0x0636}) << units({0x0686});
    QTest::newRow("tah") << units({0x0637}) << units({0x06AF});
    QTest::newRow("theh") << units({0x062B}) << units({0x067E});
    QTest::newRow("zah") << units({0x0638}) << units({0x06A4});
    QTest::newRow("thal") << units({0x0630}) << units({0x0698});
    QTest::newRow("waw hamza") << units({0x0624}) << units({0x06C6});
    QTest::newRow("waw fatha") << units({0x0648, 0x064E}) << units({0x06C6});
    QTest::newRow("waw alone") << units({0x0648, 0x0628}) << units({0x0648, 0x0628});
    QTest::newRow("yeh fatha") << units({0x064A, 0x064E}) << units({0x06CE});
    QTest::newRow("lam hamza above") << units({0x0644, 0x0623}) << units({0x06B5, 0x0627});
    QTest::newRow("lam madda") << units({0x0644, 0x0622}) << units({0x06B5, 0x0627});
    QTest::newRow("lam alef fatha") << units({0x0644, 0x0627, 0x064E}) << units({0x06B5, 0x0627});
    QTest::newRow("lam fatha") << units({0x0644, 0x064E}) << units({0x06B5});
    QTest::newRow("lam alef unchanged") << units({0x0644, 0x0627}) << units({0x0644, 0x0627});
    QTest::newRow("lam alef then kasra")
        << units({0x0644, 0x0627, 0x0650}) << units({0x0644, 0x0627, 0x0650});
    QTest::newRow("reh kasra") << units({0x0631, 0x0650}) << units({0x0695});
    QTest::newRow("reh alone") << units({0x0631, 0x064E}) << units({0x0631, 0x064E});
    QTest::newRow("alef maksura fatha") << units({0x0649, 0x064E}) << units({0x06CE});
    QTest::newRow("alef maksura alone") << units({0x0649}) << units({0x0649});
    QTest::newRow("yeh fatha before space") << units({0x064A, 0x064E, u' '}) << units({0x06CE, u' '});
    QTest::newRow("two yeh before space") << units({0x064A, 0x064A, u' '}) << units({0x064A, 0x0649, u' '});
    QTest::newRow("lone fatha") << units({0x064E, 0x0648}) << units({0x064E, 0x0648});
    QTest::newRow("Unicode letters pass")
        << units({0x06D5, 0x06C6, 0x06B5}) << units({0x06D5, 0x06C6, 0x06B5});
    QTest::newRow("zwnj passes") << units({0x0647, 0x200C}) << units({0x0647, 0x200C});
    QTest::newRow("surrogate pair") << units({0x0636, 0xD83D, 0xDE00, 0x0629})
                                    << units({0x0686, 0xD83D, 0xDE00, 0x06D5});
    QTest::newRow("lone surrogate") << units({0xDC00, 0x0629}) << units({0xDC00, 0x06D5});
    QTest::newRow("yeh before emoji") << units({0x064A, 0xD83D, 0xDE00}) << units({0x064A, 0xD83D, 0xDE00});
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("word")
        << units({0x0643, 0x0648, 0x0631, 0x062F, 0x064A, u' ', 0x0632, 0x0645, 0x0627, 0x0646})
        << units({0x0643, 0x0648, 0x0631, 0x062F, 0x0649, u' ', 0x0632, 0x0645, 0x0627, 0x0646});
}

void TestConversionRules::kurdishToUnicode()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs())), codes(expected));
    // A selection differs only for a final ي, which none of these has.
    QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs(), RunKind::Selection)),
             codes(expected));
}

void TestConversionRules::unicodeToKurdish_data()
{
    addColumns();
    QTest::newRow("heh zwnj") << units({0x0647, 0x200C}) << units({0x0629});
    QTest::newRow("heh alone") << units({0x0647, 0x0628}) << units({0x0647, 0x0628});
    QTest::newRow("heh at end") << units({0x0647}) << units({0x0647});
    QTest::newRow("zwnj alone") << units({0x0628, 0x200C}) << units({0x0628, 0x200C});
    QTest::newRow("heh heh zwnj") << units({0x0647, 0x0647, 0x200C}) << units({0x0647, 0x0629});
    QTest::newRow("ae") << units({0x06D5}) << units({0x0629});
    QTest::newRow("tcheh") << units({0x0686}) << units({0x0636});
    QTest::newRow("gaf") << units({0x06AF}) << units({0x0637});
    QTest::newRow("peh") << units({0x067E}) << units({0x062B});
    QTest::newRow("veh") << units({0x06A4}) << units({0x0638});
    QTest::newRow("jeh") << units({0x0698}) << units({0x0630});
    QTest::newRow("farsi yeh") << units({0x06CC}) << units({0x064A});
    QTest::newRow("oe") << units({0x06C6}) << units({0x0624});
    QTest::newRow("yeh v") << units({0x06CE}) << units({0x064A, 0x064E});
    QTest::newRow("lam v alef") << units({0x06B5, 0x0627}) << units({0x0644, 0x0622});
    QTest::newRow("lam v") << units({0x06B5, 0x0628}) << units({0x0644, 0x064E, 0x0628});
    QTest::newRow("lam v at end") << units({0x06B5}) << units({0x0644, 0x064E});
    QTest::newRow("reh v") << units({0x0695}) << units({0x0631, 0x0650});
    QTest::newRow("heh doachashmee") << units({0x06BE}) << units({0x0647});
    QTest::newRow("alef maksura") << units({0x0649}) << units({0x064A});
    QTest::newRow("no separator rule") << units({0x064A, u' ', 0x064A}) << units({0x064A, u' ', 0x064A});
    QTest::newRow("Kurdish-font letters pass")
        << units({0x0629, 0x0636, 0x0624}) << units({0x0629, 0x0636, 0x0624});
    QTest::newRow("surrogate pair") << units({0xD83D, 0xDE00, 0x06D5}) << units({0xD83D, 0xDE00, 0x0629});
}

void TestConversionRules::unicodeToKurdish()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(convertText(source, Direction::UnicodeToKurdish, LetterPairs())), codes(expected));
    QCOMPARE(codes(convertText(source, Direction::UnicodeToKurdish, LetterPairs(), RunKind::Selection)),
             codes(expected));
}

void TestConversionRules::letterPairs_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<LetterPairs>("letterPairs");
    addColumns();
    const auto k2u = Direction::KurdishToUnicode;
    const auto u2k = Direction::UnicodeToKurdish;
    const QString x = QStringLiteral("x");

    QTest::newRow("pair after rule 1: teh marbuta never matches")
        << k2u << pairs({{0, units({0x0629})}, {1, x}}) << units({0x0629}) << units({0x06D5});
    QTest::newRow("pair overrides dad")
        << k2u << pairs({{0, units({0x0636})}, {1, x}}) << units({0x0636}) << x;
    QTest::newRow("pair on waw overrides waw fatha")
        << k2u << pairs({{2, units({0x0648})}, {3, x}}) << units({0x0648, 0x064E}) << units({u'x', 0x064E});
    QTest::newRow("pair on lam overrides lam alef fatha")
        << k2u << pairs({{0, units({0x0644})}, {1, x}}) << units({0x0644, 0x0627, 0x064E})
        << units({u'x', 0x0627, 0x064E});
    QTest::newRow("pair on yeh overrides end form")
        << k2u << pairs({{0, units({0x064A})}, {1, units({0x06CC})}}) << units({0x064A, u' '})
        << units({0x06CC, u' '});
    QTest::newRow("separator after yeh is not a pair's")
        << k2u << pairs({{0, QStringLiteral(".")}, {1, x}}) << units({0x064A, u'.', u'.'})
        << units({0x0649, u'.', u'x'});
    QTest::newRow("empty Unicode box deletes")
        << k2u << pairs({{0, units({0x0637})}}) << units({0x0628, 0x0637, 0x0628}) << units({0x0628, 0x0628});
    QTest::newRow("longer partner appended")
        << k2u << pairs({{4, units({0x0637})}, {5, QStringLiteral("ab")}}) << units({0x0637})
        << QStringLiteral("ab");
    QTest::newRow("two-unit box never matches") << k2u << pairs({{0, units({0x0636, 0x0636})}, {1, x}})
                                                << units({0x0636, 0x0636}) << units({0x0686, 0x0686});
    QTest::newRow("empty Kurdish box never matches")
        << k2u << pairs({{1, x}}) << QStringLiteral("ab") << QStringLiteral("ab");
    QTest::newRow("upper row wins") << k2u
                                    << pairs({{2, units({0x0636})},
                                              {3, QStringLiteral("A")},
                                              {6, units({0x0636})},
                                              {7, QStringLiteral("B")}})
                                    << units({0x0636}) << QStringLiteral("A");
    QTest::newRow("last row alone") << k2u << pairs({{6, QStringLiteral("q")}, {7, x}})
                                    << QStringLiteral("qq") << QStringLiteral("xx");
    QTest::newRow("Unicode box ignored in Kurdish-to-Unicode")
        << k2u << pairs({{0, x}, {1, units({0x06D5})}}) << units({0x06D5}) << units({0x06D5});
    QTest::newRow("pair on surrogate unit")
        << k2u << pairs({{0, units({0xD83D})}, {1, x}}) << units({0xD83D, 0xDE00}) << units({u'x', 0xDE00});

    QTest::newRow("heh zwnj beats pair on heh")
        << u2k << pairs({{0, x}, {1, units({0x0647})}}) << units({0x0647, 0x200C}) << units({0x0629});
    QTest::newRow("lone heh taken by pair")
        << u2k << pairs({{0, x}, {1, units({0x0647})}}) << units({0x0647, 0x0628}) << units({u'x', 0x0628});
    QTest::newRow("pair on zwnj after heh") << u2k << pairs({{0, x}, {1, units({0x200C})}})
                                            << units({0x0647, 0x200C, 0x200C}) << units({0x0629, u'x'});
    QTest::newRow("pair overrides ae")
        << u2k << pairs({{2, x}, {3, units({0x06D5})}}) << units({0x06D5}) << x;
    QTest::newRow("pair on lam v overrides lam v alef")
        << u2k << pairs({{0, x}, {1, units({0x06B5})}}) << units({0x06B5, 0x0627}) << units({u'x', 0x0627});
    QTest::newRow("empty Kurdish box deletes")
        << u2k << pairs({{1, units({0x06CC})}}) << units({0x06CC, u'a'}) << QStringLiteral("a");
    QTest::newRow("upper row wins back") << u2k
                                         << pairs({{0, QStringLiteral("1")},
                                                   {1, units({0x06CC})},
                                                   {4, QStringLiteral("3")},
                                                   {5, units({0x06CC})}})
                                         << units({0x06CC}) << QStringLiteral("1");
    QTest::newRow("Kurdish box ignored in Unicode-to-Kurdish")
        << u2k << pairs({{0, units({0x0636})}, {1, x}}) << units({0x0636}) << units({0x0636});
}

void TestConversionRules::letterPairs()
{
    QFETCH(Direction, direction);
    QFETCH(LetterPairs, letterPairs);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(convertText(source, direction, letterPairs)), codes(expected));
}

void TestConversionRules::separators()
{
    const QString all = QStringLiteral(" :;'=+-_.,()\\/[]{}?|!><@#$%^&*\"") + units({0x061F});
    QCOMPARE(all.size(), 32);
    for (QChar separator : all) {
        const QString source = units({0x0628, 0x064A}) + separator + units({0x064A});
        const QString expected = units({0x0628, 0x0649}) + separator + units({0x064A});
        QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs())), codes(expected));
    }
    int count = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (isSeparator(static_cast<char16_t>(unit))) {
            ++count;
            QVERIFY2(all.contains(QChar(unit)), qPrintable(QString::number(unit, 16)));
        }
    }
    QCOMPARE(count, 32);
}

void TestConversionRules::nonSeparators_data()
{
    QTest::addColumn<QString>("next");
    QTest::newRow("line feed") << QStringLiteral("\n");
    QTest::newRow("carriage return") << QStringLiteral("\r");
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("digit") << QStringLiteral("0");
    QTest::newRow("Arabic comma") << units({0x060C});
    QTest::newRow("Arabic digit") << units({0x0663});
    QTest::newRow("no-break space") << units({0x00A0});
    QTest::newRow("backquote") << QStringLiteral("`");
    QTest::newRow("tilde") << QStringLiteral("~");
    QTest::newRow("letter") << units({0x0628});
}

void TestConversionRules::nonSeparators()
{
    QFETCH(QString, next);
    const QString source = units({0x064A}) + next;
    QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs())), codes(source));
    QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs(), RunKind::Selection)),
             codes(source));
}

void TestConversionRules::finalYeh_data()
{
    QTest::addColumn<RunKind>("kind");
    addColumns();
    QTest::newRow("whole text keeps it")
        << RunKind::WholeText << units({0x0628, 0x064A}) << units({0x0628, 0x064A});
    QTest::newRow("selection ends a word")
        << RunKind::Selection << units({0x0628, 0x064A}) << units({0x0628, 0x0649});
    QTest::newRow("selection of yeh alone") << RunKind::Selection << units({0x064A}) << units({0x0649});
    QTest::newRow("selection: only the last")
        << RunKind::Selection << units({0x064A, 0x064A}) << units({0x064A, 0x0649});
    QTest::newRow("selection: yeh fatha at end")
        << RunKind::Selection << units({0x064A, 0x064E}) << units({0x06CE});
}

void TestConversionRules::finalYeh()
{
    QFETCH(RunKind, kind);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(codes(convertText(source, Direction::KurdishToUnicode, LetterPairs(), kind)), codes(expected));
}

void TestConversionRules::roundTrip_data()
{
    QTest::addColumn<Direction>("first");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("back");
    const auto k2u = Direction::KurdishToUnicode;
    const auto u2k = Direction::UnicodeToKurdish;
    QTest::newRow("waw fatha") << k2u << units({0x0648, 0x064E}) << units({0x06C6}) << units({0x0624});
    QTest::newRow("alef maksura fatha")
        << k2u << units({0x0649, 0x064E}) << units({0x06CE}) << units({0x064A, 0x064E});
    QTest::newRow("lam hamza") << k2u << units({0x0644, 0x0623}) << units({0x06B5, 0x0627})
                               << units({0x0644, 0x0622});
    QTest::newRow("lam alef fatha") << k2u << units({0x0644, 0x0627, 0x064E}) << units({0x06B5, 0x0627})
                                    << units({0x0644, 0x0622});
    QTest::newRow("heh zwnj") << u2k << units({0x0647, 0x200C}) << units({0x0629}) << units({0x06D5});
    QTest::newRow("farsi yeh") << u2k << units({0x06CC}) << units({0x064A}) << units({0x064A});
    QTest::newRow("farsi yeh before separator")
        << u2k << units({0x06CC, u'!'}) << units({0x064A, u'!'}) << units({0x0649, u'!'});
}

void TestConversionRules::roundTrip()
{
    QFETCH(Direction, first);
    QFETCH(QString, source);
    QFETCH(QString, middle);
    QFETCH(QString, back);
    const Direction second =
        first == Direction::KurdishToUnicode ? Direction::UnicodeToKurdish : Direction::KurdishToUnicode;
    const QString converted = convertText(source, first, LetterPairs());
    QCOMPARE(codes(converted), codes(middle));
    QCOMPARE(codes(convertText(converted, second, LetterPairs())), codes(back));
}

void TestConversionRules::stepConsumes_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("source");
    QTest::addColumn<qsizetype>("pos");
    QTest::addColumn<qsizetype>("consumed");
    QTest::addColumn<QString>("appended");
    const auto k2u = Direction::KurdishToUnicode;
    QTest::newRow("three units") << k2u << units({0x0628, 0x0644, 0x0627, 0x064E}) << qsizetype(1)
                                 << qsizetype(3) << units({0x06B5, 0x0627});
    QTest::newRow("separator taken along")
        << k2u << units({0x064A, u' '}) << qsizetype(0) << qsizetype(2) << units({0x0649, u' '});
    QTest::newRow("copy") << k2u << QStringLiteral("ab") << qsizetype(1) << qsizetype(1)
                          << QStringLiteral("b");
    QTest::newRow("two units back") << Direction::UnicodeToKurdish << units({0x06CE}) << qsizetype(0)
                                    << qsizetype(1) << units({0x064A, 0x064E});
    QTest::newRow("past the end") << k2u << QStringLiteral("ab") << qsizetype(2) << qsizetype(0) << QString();
    QTest::newRow("negative") << k2u << QStringLiteral("ab") << qsizetype(-1) << qsizetype(0) << QString();
}

void TestConversionRules::stepConsumes()
{
    QFETCH(Direction, direction);
    QFETCH(QString, source);
    QFETCH(qsizetype, pos);
    QFETCH(qsizetype, consumed);
    QFETCH(QString, appended);
    QString out = QStringLiteral("old");
    QCOMPARE(convertStep(direction, source, pos, LetterPairs(), RunKind::WholeText, out), consumed);
    QCOMPARE(codes(out), codes(QStringLiteral("old") + appended));
}

QTEST_APPLESS_MAIN(TestConversionRules)
#include "test_conversion_rules.moc"
