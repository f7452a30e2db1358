// Line-by-line detection of the writing a text is in: single lines of every class, the
// Ali family's variants told apart, Arabic and Persian left as Arabic, a mixed book whose
// every line is classed right, and the tally's verdict.

#include "convert/core/LineClass.h"
#include "convert/core/LineSigns.h"
#include "tests/support/CodeUnits.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pirtok;

Q_DECLARE_METATYPE(pirtok::LineClass)

namespace {

QString text(const char16_t *units)
{
    return QString::fromUtf16(units);
}

// The same two sentences in each writing, as a user's files hold them.
// كوردستان ولاَتيَكى جوانة و خةلَكةكةى ميوانثةروةرن.
const char16_t *const AliK1 =
    u"\u0643\u0648\u0631\u062F\u0633\u062A\u0627\u0646 "
    u"\u0648\u0644\u0627\u064E\u062A\u064A\u064E\u0643\u0649 \u062C\u0648\u0627\u0646\u0629 \u0648 "
    u"\u062E\u0629\u0644\u064E\u0643\u0629\u0643\u0629\u0649 "
    u"\u0645\u064A\u0648\u0627\u0646\u062B\u0629\u0631\u0648\u0629\u0631\u0646.";
// ئةمرِؤ بة يةكةوة دةضينة بازارِ و طؤشت دةكرِين.
const char16_t *const AliK2 =
    u"\u0626\u0629\u0645\u0631\u0650\u0624 \u0628\u0629 \u064A\u0629\u0643\u0629\u0648\u0629 "
    u"\u062F\u0629\u0636\u064A\u0646\u0629 \u0628\u0627\u0632\u0627\u0631\u0650 \u0648 "
    u"\u0637\u0624\u0634\u062A \u062F\u0629\u0643\u0631\u0650\u064A\u0646.";
// كوردستان وپاتصكي جوانة و خةپكةكةي ميوانثةروةرن.
const char16_t *const AliWeb1 =
    u"\u0643\u0648\u0631\u062F\u0633\u062A\u0627\u0646 \u0648\u067E\u0627\u062A\u0635\u0643\u064A "
    u"\u062C\u0648\u0627\u0646\u0629 \u0648 \u062E\u0629\u067E\u0643\u0629\u0643\u0629\u064A "
    u"\u0645\u064A\u0648\u0627\u0646\u062B\u0629\u0631\u0648\u0629\u0631\u0646.";
// ئةمأؤ بة يةكةوة دةضينة بازاأ و طؤشت دةكأين.
const char16_t *const AliWeb2 =
    u"\u0626\u0629\u0645\u0623\u0624 \u0628\u0629 \u064A\u0629\u0643\u0629\u0648\u0629 "
    u"\u062F\u0629\u0636\u064A\u0646\u0629 \u0628\u0627\u0632\u0627\u0623 \u0648 \u0637\u0624\u0634\u062A "
    u"\u062F\u0629\u0643\u0623\u064A\u0646.";
// كوردستان ولإتثكي جوانة و خةصكةكةي ميوانپةروةرن.
const char16_t *const Dylan1 =
    u"\u0643\u0648\u0631\u062F\u0633\u062A\u0627\u0646 \u0648\u0644\u0625\u062A\u062B\u0643\u064A "
    u"\u062C\u0648\u0627\u0646\u0629 \u0648 \u062E\u0629\u0635\u0643\u0629\u0643\u0629\u064A "
    u"\u0645\u064A\u0648\u0627\u0646\u067E\u0629\u0631\u0648\u0629\u0631\u0646.";
// ئةمذؤ بة يةكةوة دةچينة بازاذ و گؤشت دةكذين.
const char16_t *const Dylan2 =
    u"\u0626\u0629\u0645\u0630\u0624 \u0628\u0629 \u064A\u0629\u0643\u0629\u0648\u0629 "
    u"\u062F\u0629\u0686\u064A\u0646\u0629 \u0628\u0627\u0632\u0627\u0630 \u0648 \u06AF\u0624\u0634\u062A "
    u"\u062F\u0629\u0643\u0630\u064A\u0646.";
// كوردستان ولاٌتیٌكی جوانه\u200F و خه\u200Fلٌكه\u200Fكه\u200Fی میوانپه\u200Fروه\u200Fرن.
const char16_t *const Zarnegar1 =
    u"\u0643\u0648\u0631\u062F\u0633\u062A\u0627\u0646 "
    u"\u0648\u0644\u0627\u064C\u062A\u06CC\u064C\u0643\u06CC \u062C\u0648\u0627\u0646\u0647\u200F \u0648 "
    u"\u062E\u0647\u200F\u0644\u064C\u0643\u0647\u200F\u0643\u0647\u200F\u06CC "
    u"\u0645\u06CC\u0648\u0627\u0646\u067E\u0647\u200F\u0631\u0648\u0647\u200F\u0631\u0646.";
// ئه\u200Fمرٍوٌ به\u200F یه\u200Fكه\u200Fوه\u200F ده\u200Fچینه\u200F بازارٍ.
const char16_t *const Zarnegar2 =
    u"\u0626\u0647\u200F\u0645\u0631\u064D\u0648\u064C \u0628\u0647\u200F "
    u"\u06CC\u0647\u200F\u0643\u0647\u200F\u0648\u0647\u200F "
    u"\u062F\u0647\u200F\u0686\u06CC\u0646\u0647\u200F \u0628\u0627\u0632\u0627\u0631\u064D.";
// کوردستان وڵاتێکی جوانە و خەڵکەکەی میوانپەروەرن.
const char16_t *const Unicode1 =
    u"\u06A9\u0648\u0631\u062F\u0633\u062A\u0627\u0646 \u0648\u06B5\u0627\u062A\u06CE\u06A9\u06CC "
    u"\u062C\u0648\u0627\u0646\u06D5 \u0648 \u062E\u06D5\u06B5\u06A9\u06D5\u06A9\u06D5\u06CC "
    u"\u0645\u06CC\u0648\u0627\u0646\u067E\u06D5\u0631\u0648\u06D5\u0631\u0646.";
// ئەمڕۆ بە یەکەوە دەچینە بازاڕ و گۆشت دەکڕین.
const char16_t *const Unicode2 =
    u"\u0626\u06D5\u0645\u0695\u06C6 \u0628\u06D5 \u06CC\u06D5\u06A9\u06D5\u0648\u06D5 "
    u"\u062F\u06D5\u0686\u06CC\u0646\u06D5 \u0628\u0627\u0632\u0627\u0695 \u0648 \u06AF\u06C6\u0634\u062A "
    u"\u062F\u06D5\u06A9\u0695\u06CC\u0646.";
// بِسْمِ اللَّهِ الرَّحْمَنِ الرَّحِيمِ
const char16_t *const Verse =
    u"\u0628\u0650\u0633\u0652\u0645\u0650 \u0627\u0644\u0644\u064E\u0651\u0647\u0650 "
    u"\u0627\u0644\u0631\u064E\u0651\u062D\u0652\u0645\u064E\u0646\u0650 "
    u"\u0627\u0644\u0631\u064E\u0651\u062D\u0650\u064A\u0645\u0650";

} // namespace

class TestLineClass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void singleLines_data();
    void singleLines();
    void listedWordsOutvoteALegacySign_data();
    void listedWordsOutvoteALegacySign();
    void mixedBook();
    void windowedCountAgreesWithThePlainOne_data();
    void windowedCountAgreesWithThePlainOne();
    void everyUnitCountsAlikeBothWays();
    void summary_data();
    void summary();
    void names();
};

void TestLineClass::singleLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<LineClass>("expected");
    const auto row = [](const char *name, const char16_t *line, LineClass expected) {
        QTest::newRow(name) << text(line) << expected;
    };
    row("neutral: empty", u"", LineClass::Neutral);
    row("neutral: Latin and digits", u"Chapter 3, page 12.5", LineClass::Neutral);
    // ١٢ ، ؟
    row("neutral: Arabic punctuation and digits only", u"\u0661\u0662 \u060C \u061F", LineClass::Neutral);

    // ە
    row("unicode: one ae", u"\u06D5", LineClass::Unicode);
    row("unicode: sentence", Unicode1, LineClass::Unicode);
    row("unicode: second sentence", Unicode2, LineClass::Unicode);
    // ئه\u200Cم شاره\u200C
    row("unicode: typed on a Persian layout", u"\u0626\u0647\u200C\u0645 \u0634\u0627\u0631\u0647\u200C",
        LineClass::Unicode);
    // ڤیان
    row("unicode: veh alone", u"\u06A4\u06CC\u0627\u0646", LineClass::Unicode);
    // دڵ و دلٌ
    row("unicode: wins over a stray tanwin", u"\u062F\u06B5 \u0648 \u062F\u0644\u064C", LineClass::Unicode);

    row("ali-k: sentence", AliK1, LineClass::AliK);
    row("ali-k: second sentence", AliK2, LineClass::AliK);
    // بة
    row("ali-k: a short word", u"\u0628\u0629", LineClass::AliK);
    // بيَ دلَ
    row("ali-k: marks only", u"\u0628\u064A\u064E \u062F\u0644\u064E", LineClass::AliK);
    // ئةو
    row("ali-k: teh marbuta inside a word", u"\u0626\u0629\u0648", LineClass::AliK);

    row("ali-web: sentence", AliWeb1, LineClass::AliWeb);
    row("ali-web: second sentence", AliWeb2, LineClass::AliWeb);
    // کةس نية
    row("ali-web: real keheh beside teh marbuta", u"\u06A9\u0629\u0633 \u0646\u064A\u0629",
        LineClass::AliWeb);

    row("dylan: sentence", Dylan1, LineClass::Dylan);
    row("dylan: second sentence", Dylan2, LineClass::Dylan);
    // بث دةبث
    row("dylan: theh at word ends", u"\u0628\u062B \u062F\u0629\u0628\u062B", LineClass::Dylan);

    row("zarnegar: sentence", Zarnegar1, LineClass::Zarnegar);
    row("zarnegar: second sentence", Zarnegar2, LineClass::Zarnegar);
    // دلٌگیر
    row("zarnegar: tanwin inside a word", u"\u062F\u0644\u064C\u06AF\u06CC\u0631", LineClass::Zarnegar);
    // دلٌ
    row("zarnegar: tanwin at a word end", u"\u062F\u0644\u064C", LineClass::Zarnegar);

    row("arabic: vocalised verse", Verse, LineClass::Arabic);
    // قال الشاعر في وصف المدينة الجميلة
    row("arabic: prose with final teh marbuta",
        u"\u0642\u0627\u0644 \u0627\u0644\u0634\u0627\u0639\u0631 \u0641\u064A \u0648\u0635\u0641 "
        u"\u0627\u0644\u0645\u062F\u064A\u0646\u0629 \u0627\u0644\u062C\u0645\u064A\u0644\u0629",
        LineClass::Arabic);
    // رجلٌ كريمٌ
    row("arabic: tanwin at word ends", u"\u0631\u062C\u0644\u064C \u0643\u0631\u064A\u0645\u064C",
        LineClass::Arabic);
    // عَلَى الأَرْضِ
    row("arabic: vocalised with fatha on lam",
        u"\u0639\u064E\u0644\u064E\u0649 \u0627\u0644\u0623\u064E\u0631\u0652\u0636\u0650",
        LineClass::Arabic);
    // این کتاب را دیروز از کتابخانه گرفتم
    row("persian: plain",
        u"\u0627\u06CC\u0646 \u06A9\u062A\u0627\u0628 \u0631\u0627 \u062F\u06CC\u0631\u0648\u0632 "
        u"\u0627\u0632 \u06A9\u062A\u0627\u0628\u062E\u0627\u0646\u0647 \u06AF\u0631\u0641\u062A\u0645",
        LineClass::Arabic);
    // می\u200Cخواهم به خانه\u200Cها بروم
    row("persian: zwnj after heh and mi",
        u"\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645 \u0628\u0647 "
        u"\u062E\u0627\u0646\u0647\u200C\u0647\u0627 \u0628\u0631\u0648\u0645",
        LineClass::Arabic);
    // کتاب خوب
    row("persian: no Kurdish letter", u"\u06A9\u062A\u0627\u0628 \u062E\u0648\u0628", LineClass::Arabic);
}

void TestLineClass::singleLines()
{
    QFETCH(QString, line);
    QFETCH(LineClass, expected);
    const LineClass got = classifyLine(line);
    QVERIFY2(got == expected,
             qPrintable(QStringLiteral("%1 for %2").arg(lineClassName(got)).arg(codeunits::codes(line))));
}

// An Ali-K book that quotes an Arabic verse, followed by a chapter already in Unicode and a
// page exported from Zarnegar: files mix writings, so every line is decided on its own.
// Each Arabic or Persian word the classifier knows, the Persian verb prefix and the article,
// beside one word that ends in ة: the foreign word makes the line Arabic. The same word with
// a unit more, or one changed, is not on the list and leaves the line to the legacy sign.
void TestLineClass::listedWordsOutvoteALegacySign_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("foreign");
    const auto row = [](const char *name, const char16_t *word, bool foreign) {
        QTest::newRow(name) << text(word) << foreign;
    };
    row("fi", u"\u0641\u064A", true);
    row("ala", u"\u0639\u0644\u0649", true);
    row("ila", u"\u0625\u0644\u0649", true);
    row("an", u"\u0639\u0646", true);
    row("hatha", u"\u0647\u0630\u0627", true);
    row("hathihi", u"\u0647\u0630\u0647", true);
    row("allati", u"\u0627\u0644\u062A\u064A", true);
    row("allathi", u"\u0627\u0644\u0630\u064A", true);
    row("ast", u"\u0627\u0633\u062A", true);
    row("ra", u"\u0631\u0627", true);
    row("ke", u"\u06A9\u0647", true);
    row("in", u"\u0627\u06CC\u0646", true);
    row("baraye", u"\u0628\u0631\u0627\u06CC", true);
    row("mi- prefix, long verb", u"\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645", true);
    row("mi- prefix, short verb", u"\u0645\u06CC\u200C\u0631\u0648", true);
    row("article", u"\u0627\u0644\u0643\u062A\u0627\u0628", true);
    row("fi, a letter more", u"\u0641\u064A\u0646", false);
    row("ala, last changed", u"\u0639\u0644\u064A", false);
    row("allati behind a letter", u"\u0628\u0627\u0644\u062A\u064A", false);
    row("baraye, a letter less", u"\u0628\u0631\u0627", false);
    row("ast, first changed", u"\u0628\u0633\u062A", false);
    row("mi without the joiner", u"\u0645\u06CC\u0631\u0648", false);
    row("three units from the article", u"\u0627\u0644\u0643", false);
}

void TestLineClass::listedWordsOutvoteALegacySign()
{
    QFETCH(QString, word);
    QFETCH(bool, foreign);
    // كتابة: a word-final ة, the Ali family's ە.
    const QString line = word + QStringLiteral(" ") + text(u"\u0643\u062A\u0627\u0628\u0629");
    const LineClass got = classifyLine(line);
    if (foreign)
        QCOMPARE(got, LineClass::Arabic);
    else
        QVERIFY2(got != LineClass::Arabic, qPrintable(lineClassName(got).toString()));
}

void TestLineClass::mixedBook()
{
    const std::pair<const char16_t *, LineClass> book[] = {
        {u"Chapter 1", LineClass::Neutral},
        {AliK1, LineClass::AliK},
        {Verse, LineClass::Arabic},
        {AliK2, LineClass::AliK},
        {u"", LineClass::Neutral},
        {Unicode1, LineClass::Unicode},
        {Unicode2, LineClass::Unicode},
        {Zarnegar1, LineClass::Zarnegar},
        // — 12 —
        {Zarnegar2, LineClass::Zarnegar},
        {u"\u2014 12 \u2014", LineClass::Neutral},
    };
    LineClassTally tally;
    for (const auto &[line, expected] : book) {
        const LineClass got = classifyLine(text(line));
        QVERIFY2(got == expected, qPrintable(QStringLiteral("%1 instead of %2 for %3")
                                                 .arg(lineClassName(got), lineClassName(expected))
                                                 .arg(codeunits::codes(text(line)))));
        tally.add(got);
    }
    QCOMPARE(tally.total(), qint64(std::size(book)));
    QCOMPARE(tally.count(LineClass::Neutral), qint64(3));
    QCOMPARE(tally.summary(), QStringLiteral("ali-k (2 lines), zarnegar (2), unicode (2), arabic (1)"));
}

// Lines of random pieces, short and long (the count takes 58 units at a time), dense with
// the units whose neighbours matter, so that each rule meets a window's borders. The class
// the classifier gives, which stops at a letter only Unicode Kurdish has, must be the one
// the plain count gives.
void TestLineClass::windowedCountAgreesWithThePlainOne_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<int>("longest"); // pieces in a line
    const auto unitsOf = [](const char16_t *units) {
        QStringList pieces;
        for (QChar unit : text(units))
            pieces.append(QString(unit));
        return pieces;
    };
    // ة ه ي ى و ی ل ا ر ث م ب ف ع ك: the letters the rules look at, beside and inside words.
    const QStringList legacy = unitsOf(
        u"\u0629\u0647\u064A\u0649\u0648\u06CC\u0644\u0627\u0631\u062B\u0645\u0628\u0641\u0639\u0643");
    // the marks, ZWNJ, ZWJ, RLM, ٰ and a mark no rule reads
    const QStringList marks =
        unitsOf(u"\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652\u200C\u200D\u200F\u0670\u0653");
    // چ ژ گ پ ک ص إ ط أ ە ێ ڵ ڕ ۆ ڤ
    const QStringList rare = unitsOf(
        u"\u0686\u0698\u06AF\u067E\u06A9\u0635\u0625\u0637\u0623\u06D5\u06CE\u06B5\u0695\u06C6\u06A4");
    const QStringList apart{QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("."),
                            QStringLiteral("a1")};
    // في على إلى عن هذا هذه التي الذي است را که این برای می‌ ال, and near misses: فين
    // علي برا
    const QStringList words =
        unitsOf(u"\u0641\u064A\u0639\u0644\u0649\u0625\u0646\u0647\u0630\u0627\u062A") +
        QString(text(u"\u0641\u064A \u0639\u0644\u0649 \u0625\u0644\u0649 \u0639\u0646 "
                     u"\u0647\u0630\u0627 \u0647\u0630\u0647 \u0627\u0644\u062A\u064A "
                     u"\u0627\u0644\u0630\u064A \u0627\u0633\u062A \u0631\u0627 \u06A9\u0647 "
                     u"\u0627\u06CC\u0646 \u0628\u0631\u0627\u06CC \u0645\u06CC\u200C \u0627\u0644 "
                     u"\u0641\u064A\u0646 \u0639\u0644\u064A \u0628\u0631\u0627"))
            .split(u' ') +
        apart + apart + apart;
    QTest::newRow("legacy letters and spaces") << legacy + apart << 200;
    QTest::newRow("marks after letters") << legacy + marks + apart << 200;
    QTest::newRow("runs of marks") << legacy.mid(0, 3) + marks + marks + apart << 200;
    QTest::newRow("every unit the rules read") << legacy + marks + rare + apart << 200;
    QTest::newRow("long words, few breaks")
        << legacy + marks + rare + QStringList{QStringLiteral(" ")} << 600;
    QTest::newRow("short lines") << legacy + marks + rare + apart << 12;
    QTest::newRow("listed words, near misses and parts of them") << words << 80;
}

void TestLineClass::windowedCountAgreesWithThePlainOne()
{
    QFETCH(QStringList, pieces);
    QFETCH(int, longest);
    QRandomGenerator random(41);
    for (int round = 0; round < 2000; ++round) {
        QString line;
        for (int i = random.bounded(longest + 1); i > 0; --i)
            line += pieces.at(random.bounded(int(pieces.size())));
        const detail::LineSigns windowed = detail::countSigns(line);
        const detail::LineSigns plain = detail::countSignsUnitByUnit(line);
        for (int sign = 0; sign < detail::SignCount; ++sign)
            if (windowed.counts[sign] != plain.counts[sign])
                QFAIL(qPrintable(
                    QStringLiteral("sign %1 counted %2 times by windows, %3 times unit by unit, in %4")
                        .arg(sign)
                        .arg(windowed.counts[sign])
                        .arg(plain.counts[sign])
                        .arg(codeunits::codes(line))));
        QCOMPARE(classifyLine(line), detail::classOf(plain));
    }
}

// Each of the 64K code units after ة and after ل: whether it is a letter, continues the
// word or is a sign, both counts must see it alike.
void TestLineClass::everyUnitCountsAlikeBothWays()
{
    const QString lam = text(u"\u0644");
    const QString teh = text(u"\u0629");
    for (int first = 0; first <= 0xFFFF; first += 40) {
        QString line;
        for (int unit = first; unit < first + 40 && unit <= 0xFFFF; ++unit)
            line += (unit % 2 ? teh : lam) + QChar(char16_t(unit));
        const detail::LineSigns windowed = detail::countSigns(line);
        const detail::LineSigns plain = detail::countSignsUnitByUnit(line);
        QVERIFY2(windowed == plain, qPrintable(codeunits::codes(line)));
    }
}

void TestLineClass::summary_data()
{
    QTest::addColumn<QList<int>>("counts"); // per class, in the order of LineClass
    QTest::addColumn<QString>("expected");
    QTest::newRow("no line") << QList<int>{0, 0, 0, 0, 0, 0, 0} << QStringLiteral("empty");
    QTest::newRow("only neutral") << QList<int>{0, 0, 0, 0, 0, 0, 4} << QStringLiteral("neutral (4 lines)");
    QTest::newRow("one neutral line")
        << QList<int>{0, 0, 0, 0, 0, 0, 1} << QStringLiteral("neutral (1 line)");
    QTest::newRow("the verdict first") << QList<int>{812, 0, 0, 0, 40, 3, 9}
                                       << QStringLiteral("ali-k (812 lines), unicode (40), arabic (3)");
    QTest::newRow("most lines win") << QList<int>{2, 0, 5, 0, 0, 1, 0}
                                    << QStringLiteral("dylan (5 lines), ali-k (2), arabic (1)");
    QTest::newRow("one line") << QList<int>{0, 1, 0, 0, 0, 0, 0} << QStringLiteral("ali-web (1 line)");
}

void TestLineClass::summary()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, expected);
    LineClassTally tally;
    for (int c = 0; c < LineClassCount; ++c)
        for (int i = 0; i < counts.at(c); ++i)
            tally.add(LineClass(c));
    QCOMPARE(tally.summary(), expected);
}

void TestLineClass::names()
{
    QStringList all;
    for (int c = 0; c < LineClassCount; ++c)
        all.append(lineClassName(LineClass(c)).toString());
    QCOMPARE(all.join(u' '), QStringLiteral("ali-k ali-web dylan zarnegar unicode arabic neutral"));
}

QTEST_APPLESS_MAIN(TestLineClass)
#include "test_line_class.moc"
