// The standard Sorani pass: each step on its examples, each switch, the digit styles, and
// the pass's promises on random texts (idempotent, nothing outside the Arabic script
// changed but the spacing of punctuation).

#include "convert/core/StandardSorani.h"
#include "tests/support/CodeUnits.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pirtok;
using codeunits::codes;

Q_DECLARE_METATYPE(pirtok::LineOrigin)
Q_DECLARE_METATYPE(pirtok::DigitStyle)

namespace {

QString text(const char16_t *units)
{
    return QString::fromUtf16(units);
}

// Units the pass reacts to, dense enough that random lines hit every rule and its borders.
const QString &interestingUnits()
{
    // كڪيىےةھٶهەیێوۆلڵرڕاأآبکدنمسـ
    static const QString all =
        text(u"\u0643\u06AA\u064A\u0649\u06D2\u0629\u06BE\u0676\u0647\u06D5\u06CC\u06CE\u0648\u06C6\u0644"
             u"\u06B5\u0631\u0695\u0627\u0623\u0622\u0628\u06A9\u062F\u0646\u0645\u0633\u0640"
             u"\u064B\u064C\u064E\u064F\u0650\u0651\u0652\u0670"
             u"\u200C\u200D\u200E\u200F\u202B\u2067\uFEFF"
             // ۱۲٣4 .,،؛؟!:;()[]«»\taZ
             u"\u06F1\u06F2\u06634 .,\u060C\u061B\u061F!:;()[]\u00AB\u00BB\taZ");
    return all;
}

QString randomLine(QRandomGenerator &random, int length)
{
    const QString &alphabet = interestingUnits();
    QString line;
    for (int i = 0; i < length; ++i)
        line.append(alphabet.at(random.bounded(int(alphabet.size()))));
    return line;
}

// A line shaped like running text: words of the interesting letters, now and then a mark,
// punctuation before or after a word, single spaces mostly. Long unchanged stretches with
// every kind of border between them.
QString randomProse(QRandomGenerator &random)
{
    // ی ێ و ۆ ل ڵ ر ڕ ه ە ا أ ب ک د ن ك ي ة ـ
    static const QString letters =
        text(u"\u06CC\u06CE\u0648\u06C6\u0644\u06B5\u0631\u0695\u0647\u06D5\u0627\u0623\u0628\u06A9"
             u"\u062F\u0646\u0643\u064A\u0629\u0640");
    // َ ً ِ ّ ٰ ZWNJ RLM
    static const QString marks = text(u"\u064E\u064B\u0650\u0651\u0670\u200C\u200F");
    // . ، ؟ : ( ) « » ! [ ]
    static const QString punctuation = text(u".\u060C\u061F:()\u00AB\u00BB![]");
    const auto pick = [&random](const QString &from) { return from.at(random.bounded(int(from.size()))); };
    QString line;
    for (int word = random.bounded(10); word >= 0; --word) {
        if (random.bounded(8) == 0)
            line.append(pick(punctuation));
        for (int i = 1 + random.bounded(6); i > 0; --i)
            line.append(random.bounded(12) == 0 ? pick(marks) : pick(letters));
        if (random.bounded(4) == 0)
            line.append(pick(punctuation));
        line.append(random.bounded(10) == 0 ? QStringLiteral("  ") : QStringLiteral(" "));
    }
    if (random.bounded(2) == 0)
        line.chop(1);
    return line;
}

} // namespace

class TestStandardSorani : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
    void switches_data();
    void switches();
    void digits_data();
    void digits();
    void appendsToOut();
    void idempotentOnRandomLines();
    void unchangedRunsAgreeWithTheSteps_data();
    void unchangedRunsAgreeWithTheSteps();
    void leavesOtherScriptsAlone_data();
    void leavesOtherScriptsAlone();
    void onlySpacingChangesOutsideArabicScript();
    void stepNames();
};

void TestStandardSorani::steps_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<LineOrigin>("origin");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char16_t *line, LineOrigin origin, const char16_t *expected) {
        QTest::newRow(name) << text(line) << origin << text(expected);
    };
    constexpr LineOrigin U = LineOrigin::Unicode;
    constexpr LineOrigin Ali = LineOrigin::AliFamily;

    // 1. letters
    // كوڪ | کوک
    row("letters: kaf and swash kaf", u"\u0643\u0648\u06AA", U, u"\u06A9\u0648\u06A9");
    // يىے | ییی
    row("letters: the three Arabic yehs", u"\u064A\u0649\u06D2", U, u"\u06CC\u06CC\u06CC");
    // بة | بە
    row("letters: teh marbuta", u"\u0628\u0629", Ali, u"\u0628\u06D5");
    // ئةو | ئەو
    row("letters: teh marbuta inside a word", u"\u0626\u0629\u0648", Ali, u"\u0626\u06D5\u0648");
    // ھەر | هەر
    row("letters: heh doachashmee", u"\u06BE\u06D5\u0631", U, u"\u0647\u06D5\u0631");
    // تٶ | تۆ
    row("letters: high hamza waw", u"\u062A\u0676", U, u"\u062A\u06C6");
    // گولّ | گوڵ
    row("letters: lam with shadda", u"\u06AF\u0648\u0644\u0651", U, u"\u06AF\u0648\u06B5");
    // 2. ZWNJ after heh
    // نامه\u200Cی | نامەی
    row("zwnj: heh and zwnj", u"\u0646\u0627\u0645\u0647\u200C\u06CC", U, u"\u0646\u0627\u0645\u06D5\u06CC");
    // ده\u200C | دە
    row("zwnj: heh and zwnj at the end", u"\u062F\u0647\u200C", Ali, u"\u062F\u06D5");
    // دە\u200Cکەم | دەکەم
    row("zwnj: ae and zwnj", u"\u062F\u06D5\u200C\u06A9\u06D5\u0645", U, u"\u062F\u06D5\u06A9\u06D5\u0645");
    // ه\u200C\u200Cم | ەم
    row("zwnj: heh and two zwnj", u"\u0647\u200C\u200C\u0645", U, u"\u06D5\u0645");
    // ه\u200F\u200Cم | ەم
    row("zwnj: a direction mark between", u"\u0647\u200F\u200C\u0645", U, u"\u06D5\u0645");
    // 3. leftovers
    // دیَت | دێت
    row("leftovers: yeh and fatha", u"\u062F\u06CC\u064E\u062A", U, u"\u062F\u06CE\u062A");
    // دیًت | دێت
    row("leftovers: yeh and fathatan", u"\u062F\u06CC\u064B\u062A", U, u"\u062F\u06CE\u062A");
    // بيَ | بێ
    row("leftovers: Arabic yeh and fatha", u"\u0628\u064A\u064E", Ali, u"\u0628\u06CE");
    // بێَ | بێ
    row("leftovers: ee and fatha", u"\u0628\u06CE\u064E", U, u"\u0628\u06CE");
    // توَ | تۆ
    row("leftovers: waw and fatha", u"\u062A\u0648\u064E", U, u"\u062A\u06C6");
    // تۆً | تۆ
    row("leftovers: oe and fathatan", u"\u062A\u06C6\u064B", U, u"\u062A\u06C6");
    // دلَ | دڵ
    row("leftovers: lam and fatha", u"\u062F\u0644\u064E", U, u"\u062F\u06B5");
    // کورِ | کوڕ
    row("leftovers: reh and kasra", u"\u06A9\u0648\u0631\u0650", U, u"\u06A9\u0648\u0695");
    // کوڕِ | کوڕ
    row("leftovers: rreh and kasra", u"\u06A9\u0648\u0695\u0650", U, u"\u06A9\u0648\u0695");
    // بلاَو | بڵاو
    row("leftovers: lam alef fatha", u"\u0628\u0644\u0627\u064E\u0648", U, u"\u0628\u06B5\u0627\u0648");
    // بلاًو | بڵاو
    row("leftovers: lam alef fathatan", u"\u0628\u0644\u0627\u064B\u0648", U, u"\u0628\u06B5\u0627\u0648");
    // بلأو | بڵاو
    row("leftovers: lam alef hamza", u"\u0628\u0644\u0623\u0648", U, u"\u0628\u06B5\u0627\u0648");
    // دیَََت | دێت
    row("leftovers: marks twice", u"\u062F\u06CC\u064E\u064E\u064E\u062A", U, u"\u062F\u06CE\u062A");
    // بَس | بَس
    row("leftovers: fatha elsewhere stays", u"\u0628\u064E\u0633", U, u"\u0628\u064E\u0633");
    // دلِ | دلِ
    row("leftovers: kasra after lam stays", u"\u062F\u0644\u0650", U, u"\u062F\u0644\u0650");
    // 4. word-final heh
    // ڕۆژنامه | ڕۆژنامە
    row("final heh: Unicode line", u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647", U,
        u"\u0695\u06C6\u0698\u0646\u0627\u0645\u06D5");
    // ڕۆژنامه، | ڕۆژنامە،
    row("final heh: before punctuation", u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647\u060C", U,
        u"\u0695\u06C6\u0698\u0646\u0627\u0645\u06D5\u060C");
    // ده | دە
    row("final heh: Zarnegar line", u"\u062F\u0647", LineOrigin::Zarnegar, u"\u062F\u06D5");
    // ڕۆژنامه | ڕۆژنامه
    row("final heh: Ali line keeps h", u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647", Ali,
        u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647");
    // ئاه | ئاه
    row("final heh: after alef stays", u"\u0626\u0627\u0647", U, u"\u0626\u0627\u0647");
    // دێه | دێه
    row("final heh: after ee stays", u"\u062F\u06CE\u0647", U, u"\u062F\u06CE\u0647");
    // کۆه | کۆه
    row("final heh: after oe stays", u"\u06A9\u06C6\u0647", U, u"\u06A9\u06C6\u0647");
    // دەه | دەه
    row("final heh: after ae stays", u"\u062F\u06D5\u0647", U, u"\u062F\u06D5\u0647");
    // ه و | ه و
    row("final heh: alone stays", u"\u0647 \u0648", U, u"\u0647 \u0648");
    // شاهێن | شاهێن
    row("final heh: inside a word stays", u"\u0634\u0627\u0647\u06CE\u0646", U,
        u"\u0634\u0627\u0647\u06CE\u0646");
    // ههه | ههە
    row("final heh: doubled", u"\u0647\u0647\u0647", U, u"\u0647\u0647\u06D5");
    // به\u064F | به\u064F
    row("final heh: before a mark stays", u"\u0628\u0647\u064F", U, u"\u0628\u0647\u064F");
    // 5. word-initial reh
    // رۆژ | ڕۆژ
    row("initial re: line start", u"\u0631\u06C6\u0698", U, u"\u0695\u06C6\u0698");
    // بۆ رووبار | بۆ ڕووبار
    row("initial re: after a space", u"\u0628\u06C6 \u0631\u0648\u0648\u0628\u0627\u0631", U,
        u"\u0628\u06C6 \u0695\u0648\u0648\u0628\u0627\u0631");
    // (رێ) | (ڕێ)
    row("initial re: after an opener", u"(\u0631\u06CE)", U, u"(\u0695\u06CE)");
    // کورد | کورد
    row("initial re: inside a word stays", u"\u06A9\u0648\u0631\u062F", U, u"\u06A9\u0648\u0631\u062F");
    // رِوون | ڕوون
    row("initial re: Ali line too", u"\u0631\u0650\u0648\u0648\u0646", Ali, u"\u0695\u0648\u0648\u0646");
    // 6. invisibles
    // ک\u200Cو | کو
    row("invisibles: zwnj inside a word", u"\u06A9\u200C\u0648", U, u"\u06A9\u0648");
    // ک\u200Dو | کو
    row("invisibles: zwj", u"\u06A9\u200D\u0648", U, u"\u06A9\u0648");
    // \u200Fکو\u200E \u202Bرۆ\u202C\u2067ژ\u2069 | کو ڕۆژ
    row("invisibles: direction marks", u"\u200F\u06A9\u0648\u200E \u202B\u0631\u06C6\u202C\u2067\u0698\u2069",
        U, u"\u06A9\u0648 \u0695\u06C6\u0698");
    // کو\uFEFFرد | کورد
    row("invisibles: byte order mark inside", u"\u06A9\u0648\uFEFF\u0631\u062F", U,
        u"\u06A9\u0648\u0631\u062F");
    // کـــورد | کورد
    row("invisibles: tatweel inside a word", u"\u06A9\u0640\u0640\u0640\u0648\u0631\u062F", U,
        u"\u06A9\u0648\u0631\u062F");
    // کوردـ | کورد
    row("invisibles: tatweel after a word", u"\u06A9\u0648\u0631\u062F\u0640", U,
        u"\u06A9\u0648\u0631\u062F");
    // ـکورد | کورد
    row("invisibles: tatweel before a word", u"\u0640\u06A9\u0648\u0631\u062F", U,
        u"\u06A9\u0648\u0631\u062F");
    // یـَ | ێ
    row("invisibles: tatweel under a mark", u"\u06CC\u0640\u064E", U, u"\u06CE");
    // کورد ــ کورد | کورد ــ کورد
    row("invisibles: a dash of tatweel stays",
        u"\u06A9\u0648\u0631\u062F \u0640\u0640 \u06A9\u0648\u0631\u062F", U,
        u"\u06A9\u0648\u0631\u062F \u0640\u0640 \u06A9\u0648\u0631\u062F");
    // لـَ | ڵ
    row("invisibles: tatweel joins lam and fatha", u"\u0644\u0640\u064E", U, u"\u06B5");
    // کورد ٰـ | کورد ٰـ: ٰ is a mark to the tatweel, so the tatweel stands alone after the space
    row("invisibles: tatweel after a space and a superscript alef stays",
        u"\u06A9\u0648\u0631\u062F \u0670\u0640", U, u"\u06A9\u0648\u0631\u062F \u0670\u0640");
    // 7. punctuation
    // دەی،وەرە!ئاخ | دەی، وەرە! ئاخ
    row("punctuation: the reference line",
        u"\u062F\u06D5\u06CC\u060C\u0648\u06D5\u0631\u06D5!\u0626\u0627\u062E", U,
        u"\u062F\u06D5\u06CC\u060C \u0648\u06D5\u0631\u06D5! \u0626\u0627\u062E");
    // هات . | هات.
    row("punctuation: space before a full stop", u"\u0647\u0627\u062A .", U, u"\u0647\u0627\u062A.");
    // هات  ، ڕۆیشت | هات، ڕۆیشت
    row("punctuation: spaces before a comma", u"\u0647\u0627\u062A  \u060C \u0695\u06C6\u06CC\u0634\u062A", U,
        u"\u0647\u0627\u062A\u060C \u0695\u06C6\u06CC\u0634\u062A");
    // ( کورد ) [ کورد ] | (کورد) [کورد]
    row("punctuation: inside brackets", u"( \u06A9\u0648\u0631\u062F ) [ \u06A9\u0648\u0631\u062F ]", U,
        u"(\u06A9\u0648\u0631\u062F) [\u06A9\u0648\u0631\u062F]");
    // « کورد » | «کورد»
    row("punctuation: inside guillemets", u"\u00AB \u06A9\u0648\u0631\u062F \u00BB", U,
        u"\u00AB\u06A9\u0648\u0631\u062F\u00BB");
    // چی؟باشە | چی؟ باشە
    row("punctuation: space after question mark", u"\u0686\u06CC\u061F\u0628\u0627\u0634\u06D5", U,
        u"\u0686\u06CC\u061F \u0628\u0627\u0634\u06D5");
    // وتی:بڕۆ؛باشە | وتی: بڕۆ؛ باشە
    row("punctuation: colon and semicolon",
        u"\u0648\u062A\u06CC:\u0628\u0695\u06C6\u061B\u0628\u0627\u0634\u06D5", U,
        u"\u0648\u062A\u06CC: \u0628\u0695\u06C6\u061B \u0628\u0627\u0634\u06D5");
    // کورد 3.5 کورد | کورد 3.5 کورد
    row("punctuation: a decimal number stays", u"\u06A9\u0648\u0631\u062F 3.5 \u06A9\u0648\u0631\u062F", U,
        u"\u06A9\u0648\u0631\u062F 3.5 \u06A9\u0648\u0631\u062F");
    // کات 12:30 | کات 12:30
    row("punctuation: a time stays", u"\u06A9\u0627\u062A 12:30", U, u"\u06A9\u0627\u062A 12:30");
    // کورد ٣.٥ | کورد ٣.٥
    row("punctuation: Arabic-Indic number stays", u"\u06A9\u0648\u0631\u062F \u0663.\u0665", U,
        u"\u06A9\u0648\u0631\u062F \u0663.\u0665");
    // کورد Hello , world . | کورد Hello , world .
    row("punctuation: Latin text stays", u"\u06A9\u0648\u0631\u062F Hello , world .", U,
        u"\u06A9\u0648\u0631\u062F Hello , world .");
    // کورد www.kurd.org | کورد www.kurd.org
    row("punctuation: an address stays", u"\u06A9\u0648\u0631\u062F www.kurd.org", U,
        u"\u06A9\u0648\u0631\u062F www.kurd.org");
    // کورد...باشە | کورد... باشە
    row("punctuation: an ellipsis", u"\u06A9\u0648\u0631\u062F...\u0628\u0627\u0634\u06D5", U,
        u"\u06A9\u0648\u0631\u062F... \u0628\u0627\u0634\u06D5");
    //  کورد  |  کورد
    row("punctuation: spaces at the ends stay", u" \u06A9\u0648\u0631\u062F ", U,
        u" \u06A9\u0648\u0631\u062F ");
    // 8. digits
    // ساڵی ۱۹۹۱ | ساڵی ١٩٩١
    row("digits: Persian to Arabic-Indic", u"\u0633\u0627\u06B5\u06CC \u06F1\u06F9\u06F9\u06F1", U,
        u"\u0633\u0627\u06B5\u06CC \u0661\u0669\u0669\u0661");
    // ساڵی 1991 | ساڵی 1991
    row("digits: ASCII stays", u"\u0633\u0627\u06B5\u06CC 1991", U, u"\u0633\u0627\u06B5\u06CC 1991");
    // all together
    // کوردستان وڵاتێکی جوانە و خەڵکەکەی میوانپەروەرن. ئەمڕۆ بە یەکەوە دەچینە بازاڕ!
    row("together: standard text stays",
        u"\u06A9\u0648\u0631\u062F\u0633\u062A\u0627\u0646 \u0648\u06B5\u0627\u062A\u06CE\u06A9\u06CC "
        u"\u062C\u0648\u0627\u0646\u06D5 \u0648 \u062E\u06D5\u06B5\u06A9\u06D5\u06A9\u06D5\u06CC "
        u"\u0645\u06CC\u0648\u0627\u0646\u067E\u06D5\u0631\u0648\u06D5\u0631\u0646. "
        u"\u0626\u06D5\u0645\u0695\u06C6 \u0628\u06D5 \u06CC\u06D5\u06A9\u06D5\u0648\u06D5 "
        u"\u062F\u06D5\u0686\u06CC\u0646\u06D5 \u0628\u0627\u0632\u0627\u0695!",
        U,
        // کوردستان وڵاتێکی جوانە و خەڵکەکەی میوانپەروەرن. ئەمڕۆ بە یەکەوە دەچینە بازاڕ!
        u"\u06A9\u0648\u0631\u062F\u0633\u062A\u0627\u0646 \u0648\u06B5\u0627\u062A\u06CE\u06A9\u06CC "
        u"\u062C\u0648\u0627\u0646\u06D5 \u0648 \u062E\u06D5\u06B5\u06A9\u06D5\u06A9\u06D5\u06CC "
        u"\u0645\u06CC\u0648\u0627\u0646\u067E\u06D5\u0631\u0648\u06D5\u0631\u0646. "
        u"\u0626\u06D5\u0645\u0695\u06C6 \u0628\u06D5 \u06CC\u06D5\u06A9\u06D5\u0648\u06D5 "
        u"\u062F\u06D5\u0686\u06CC\u0646\u06D5 \u0628\u0627\u0632\u0627\u0695!");
    // ئه<zwnj>م رۆژنامه<zwnj>یه  ، ده<zwnj>خوێنمه<zwnj>وه
    row("together: a Persian-layout line",
        u"\u0626\u0647\u200C\u0645 \u0631\u06C6\u0698\u0646\u0627\u0645\u0647\u200C\u06CC\u0647  \u060C "
        u"\u062F\u0647\u200C\u062E\u0648\u06CE\u0646\u0645\u0647\u200C\u0648\u0647",
        U,
        // ئەم ڕۆژنامەیە، دەخوێنمەوە
        u"\u0626\u06D5\u0645 \u0695\u06C6\u0698\u0646\u0627\u0645\u06D5\u06CC\u06D5\u060C "
        u"\u062F\u06D5\u062E\u0648\u06CE\u0646\u0645\u06D5\u0648\u06D5");
    // ئاشناكردنى خويَندكار بة طوَرِانكاريية كوَمةلاَيةتييةكان
    row("together: an Ali-K line after its table",
        u"\u0626\u0627\u0634\u0646\u0627\u0643\u0631\u062F\u0646\u0649 "
        u"\u062E\u0648\u064A\u064E\u0646\u062F\u0643\u0627\u0631 \u0628\u0629 "
        u"\u0637\u0648\u064E\u0631\u0650\u0627\u0646\u0643\u0627\u0631\u064A\u064A\u0629 "
        u"\u0643\u0648\u064E\u0645\u0629\u0644\u0627\u064E\u064A\u0629\u062A\u064A\u064A\u0629\u0643\u0627"
        u"\u0646",
        Ali,
        // ئاشناکردنی خوێندکار بە طۆڕانکارییە کۆمەڵایەتییەکان
        u"\u0626\u0627\u0634\u0646\u0627\u06A9\u0631\u062F\u0646\u06CC "
        u"\u062E\u0648\u06CE\u0646\u062F\u06A9\u0627\u0631 \u0628\u06D5 "
        u"\u0637\u06C6\u0695\u0627\u0646\u06A9\u0627\u0631\u06CC\u06CC\u06D5 "
        u"\u06A9\u06C6\u0645\u06D5\u06B5\u0627\u06CC\u06D5\u062A\u06CC\u06CC\u06D5\u06A9\u0627\u0646");
}

void TestStandardSorani::steps()
{
    QFETCH(QString, line);
    QFETCH(LineOrigin, origin);
    QFETCH(QString, expected);
    const QString result = standardizeLine(line, StandardSteps{}, origin);
    QCOMPARE(codes(result), codes(expected));
}

void TestStandardSorani::switches_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *step, const char16_t *line, const char16_t *expected) {
        QTest::newRow(step) << QString::fromLatin1(step) << text(line) << text(expected);
    };
    // كيةلّ دیَت | كيةلّ دێت
    row("letters", u"\u0643\u064A\u0629\u0644\u0651 \u062F\u06CC\u064E\u062A",
        u"\u0643\u064A\u0629\u0644\u0651 \u062F\u06CE\u062A");
    // نامه\u200Cی | نامهی
    row("zwnj", u"\u0646\u0627\u0645\u0647\u200C\u06CC", u"\u0646\u0627\u0645\u0647\u06CC");
    // دیَت بلاَو گولّ | دیَت بلاَو گوڵ
    row("leftovers", u"\u062F\u06CC\u064E\u062A \u0628\u0644\u0627\u064E\u0648 \u06AF\u0648\u0644\u0651",
        u"\u062F\u06CC\u064E\u062A \u0628\u0644\u0627\u064E\u0648 \u06AF\u0648\u06B5");
    // ڕۆژنامه | ڕۆژنامه
    row("final-heh", u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647",
        u"\u0695\u06C6\u0698\u0646\u0627\u0645\u0647");
    // رۆژ | رۆژ
    row("initial-re", u"\u0631\u06C6\u0698", u"\u0631\u06C6\u0698");
    // ک\u200Cو\u200Fر کـورد | ک\u200Cو\u200Fڕ کـورد
    row("invisibles", u"\u06A9\u200C\u0648\u200F\u0631 \u06A9\u0640\u0648\u0631\u062F",
        u"\u06A9\u200C\u0648\u200F\u0695 \u06A9\u0640\u0648\u0631\u062F");
    // هات .(کورد) | هات .(کورد)
    row("punctuation", u"\u0647\u0627\u062A .(\u06A9\u0648\u0631\u062F)",
        u"\u0647\u0627\u062A .(\u06A9\u0648\u0631\u062F)");
}

void TestStandardSorani::switches()
{
    QFETCH(QString, step);
    QFETCH(QString, line);
    QFETCH(QString, expected);
    StandardSteps steps;
    QVERIFY(disableStepByName(steps, step));
    QCOMPARE(codes(standardizeLine(line, steps, LineOrigin::Unicode)), codes(expected));
    // Still idempotent with a step off.
    QCOMPARE(codes(standardizeLine(expected, steps, LineOrigin::Unicode)), codes(expected));
}

void TestStandardSorani::digits_data()
{
    QTest::addColumn<DigitStyle>("style");
    QTest::addColumn<QString>("expected");
    // ژمارە ١٢ ٣٤ 56
    QTest::newRow("arabic") << DigitStyle::Arabic
                            << text(u"\u0698\u0645\u0627\u0631\u06D5 \u0661\u0662 \u0663\u0664 56");
    // ژمارە 12 34 56
    QTest::newRow("latin") << DigitStyle::Latin << text(u"\u0698\u0645\u0627\u0631\u06D5 12 34 56");
    // ژمارە ۱۲ ٣٤ 56
    QTest::newRow("keep") << DigitStyle::Keep
                          << text(u"\u0698\u0645\u0627\u0631\u06D5 \u06F1\u06F2 \u0663\u0664 56");
}

void TestStandardSorani::digits()
{
    QFETCH(DigitStyle, style);
    QFETCH(QString, expected);
    StandardSteps steps;
    steps.digits = style;
    // ژمارە ۱۲ ٣٤ 56
    QCOMPARE(codes(standardizeLine(text(u"\u0698\u0645\u0627\u0631\u06D5 \u06F1\u06F2 \u0663\u0664 56"),
                                   steps, LineOrigin::Unicode)),
             codes(expected));
}

void TestStandardSorani::appendsToOut()
{
    QString out = QStringLiteral("x\n");
    // كورد
    standardizeLine(text(u"\u0643\u0648\u0631\u062F"), StandardSteps{}, LineOrigin::Unicode, out);
    standardizeLine(u"plain", StandardSteps{}, LineOrigin::Unicode, out);
    // کورد
    QCOMPARE(codes(out),
             codes(QStringLiteral("x\n") + text(u"\u06A9\u0648\u0631\u062F") + QStringLiteral("plain")));
}

void TestStandardSorani::idempotentOnRandomLines()
{
    QRandomGenerator random(17);
    for (int round = 0; round < 4000; ++round) {
        const QString line = randomLine(random, 1 + random.bounded(24));
        StandardSteps steps;
        const quint32 off = random.generate();
        const QStringList names = standardStepNames();
        for (int i = 0; i < names.size(); ++i)
            if (off & (1u << i) && round % 2 == 1)
                disableStepByName(steps, names.at(i));
        steps.digits = DigitStyle(round % 3);
        const auto origin = LineOrigin(round % 3);
        const QString once = standardizeLine(line, steps, origin);
        const QString twice = standardizeLine(once, steps, origin);
        if (once != twice)
            QFAIL(qPrintable(QStringLiteral("not idempotent on %1 (steps off %2): %3 then %4")
                                 .arg(codes(line))
                                 .arg(off & 0x7F, 0, 2)
                                 .arg(codes(once), codes(twice))));
    }
}

// Most of a line is copied as runs that no step would change; taking every unit through
// the steps instead must give the same line, whatever the switches and the origin.
void TestStandardSorani::unchangedRunsAgreeWithTheSteps_data()
{
    QTest::addColumn<QString>("off");
    QTest::addColumn<DigitStyle>("digits");
    QTest::newRow("every step") << QString() << DigitStyle::Arabic;
    for (const QString &name : standardStepNames())
        QTest::newRow(qPrintable(QStringLiteral("no ") + name)) << name << DigitStyle::Arabic;
    QTest::newRow("latin digits") << QString() << DigitStyle::Latin;
    QTest::newRow("digits kept") << QString() << DigitStyle::Keep;
}

void TestStandardSorani::unchangedRunsAgreeWithTheSteps()
{
    QFETCH(QString, off);
    QFETCH(DigitStyle, digits);
    StandardSteps steps;
    if (!off.isEmpty())
        QVERIFY(disableStepByName(steps, off));
    steps.digits = digits;
    QRandomGenerator random(29);
    for (int round = 0; round < 3000; ++round) {
        const QString line = round % 2 ? randomProse(random) : randomLine(random, 1 + random.bounded(30));
        const auto origin = LineOrigin(round % 3);
        const QString fast = standardizeLine(line, steps, origin);
        QString plain;
        detail::standardizeLineUnitByUnit(line, steps, origin, plain);
        if (fast != plain)
            QFAIL(qPrintable(QStringLiteral("on %1 (origin %2): runs give %3, the steps %4")
                                 .arg(codes(line))
                                 .arg(int(origin))
                                 .arg(codes(fast), codes(plain))));
    }
}

void TestStandardSorani::leavesOtherScriptsAlone_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString();
    QTest::newRow("Latin and punctuation") << QStringLiteral("Hello , world ( really ) .It works:yes");
    QTest::newRow("digits and spaces") << QStringLiteral("  12 3.5 12:30 ");
    QTest::newRow("invisibles beside Latin") << text(u"a\u200Fb\u200Cc\uFEFF\u200E");
    // Курд \U0001F600 ,
    QTest::newRow("Cyrillic and emoji") << text(u"\u041A\u0443\u0440\u0434 \U0001F600 ,");
    QTest::newRow("lone surrogate") << text(u"a") + QChar(0xD800) + text(u" .");
}

void TestStandardSorani::leavesOtherScriptsAlone()
{
    QFETCH(QString, line);
    QCOMPARE(codes(standardizeLine(line, StandardSteps{}, LineOrigin::Unicode)), codes(line));
}

// Whatever the line, the units outside the Arabic script and the invisibles come out in
// the same order; only plain spaces may come and go.
void TestStandardSorani::onlySpacingChangesOutsideArabicScript()
{
    const auto outside = [](const QString &line) {
        QString kept;
        for (QChar c : line) {
            const char16_t u = c.unicode();
            const bool arabic = u >= 0x0600 && u <= 0x06FF;
            const bool invisible = (u >= 0x200C && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) ||
                                   (u >= 0x2066 && u <= 0x2069) || u == 0xFEFF;
            if (!arabic && !invisible && u != u' ')
                kept.append(c);
        }
        return kept;
    };
    QRandomGenerator random(3);
    for (int round = 0; round < 2000; ++round) {
        const QString line = randomLine(random, 1 + random.bounded(30));
        StandardSteps steps;
        steps.digits = DigitStyle::Keep;
        const QString result = standardizeLine(line, steps, LineOrigin::Unicode);
        QCOMPARE(codes(outside(result)), codes(outside(line)));
    }
}

void TestStandardSorani::stepNames()
{
    const QStringList names = standardStepNames();
    QCOMPARE(names.join(u','),
             QStringLiteral("letters,zwnj,leftovers,final-heh,initial-re,invisibles,punctuation"));
    for (const QString &name : names) {
        StandardSteps steps;
        QVERIFY2(disableStepByName(steps, name), qPrintable(name));
    }
    StandardSteps steps;
    QVERIFY(!disableStepByName(steps, u"digits"));
    QVERIFY(!disableStepByName(steps, u"Letters"));
    QVERIFY(!disableStepByName(steps, u""));
}

QTEST_APPLESS_MAIN(TestStandardSorani)
#include "test_standard_sorani.moc"
