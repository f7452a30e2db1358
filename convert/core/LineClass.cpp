#include "convert/core/LineClass.h"

#include "convert/core/ArabicScript.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace pirtok {

namespace {

using namespace arabic;

// What one walk over a line counts: the signs each writing leaves. Counts, not flags, so
// that one stray letter does not outvote a line's worth of evidence.
struct Signs
{
    int letters = 0;
    // Unicode Kurdish
    int kurdishLetters = 0; // ە ێ ڵ ڕ ۆ ڤ
    int veh = 0;
    int hehZwnj = 0;
    // Zarnegar
    int hehRlm = 0;
    int vInside = 0; // the tanwin that stands for the "v" mark, inside a word
    int vFinal = 0;
    int otherMarks = 0;
    // the Ali family
    int tehInside = 0;
    int tehFinal = 0;
    int tehShortWord = 0; // بة لة كة: ە after a single letter
    int markPairs = 0;    // يَ ىَ یَ لَ وَ رِ
    // Arabic and Persian
    int tanwinSukun = 0;
    int article = 0;
    int arabicWords = 0;
    int persianWords = 0;
    // telling the Ali family apart
    int thehFinal = 0;
    int realKurdish = 0; // چ ژ گ as themselves
    int realPeh = 0;
    int realKeheh = 0;
    int sad = 0;
    int alefHamzaInside = 0;
    int dammaSukun = 0;
    int lamAlefHamzaBelow = 0; // لإ: Dylan's ڵا
    int tah = 0;               // ط: the Ali-K and Ali-Web گ, not Dylan's
};

bool isOneOf(char16_t c, std::initializer_list<char16_t> set)
{
    return std::find(set.begin(), set.end(), c) != set.end();
}

// The Arabic and Persian words that Sorani does not have (من is Sorani "I" and stays out).
constexpr std::u16string_view ArabicWords[] = {
    // في على إلى عن هذا هذه التي الذي
    u"\u0641\u064A",       u"\u0639\u0644\u0649", u"\u0625\u0644\u0649",       u"\u0639\u0646",
    u"\u0647\u0630\u0627", u"\u0647\u0630\u0647", u"\u0627\u0644\u062A\u064A", u"\u0627\u0644\u0630\u064A"};
constexpr std::u16string_view PersianWords[] = {
    // است را که این برای
    u"\u0627\u0633\u062A", u"\u0631\u0627", u"\u06A9\u0647", u"\u0627\u06CC\u0646",
    u"\u0628\u0631\u0627\u06CC"};
// می‌: the Persian verb prefix.
constexpr std::u16string_view PersianPrefix = u"\u0645\u06CC\u200C";

constexpr std::size_t LongestListedWord = 4;

// A word's first four units packed into one number, left-aligned and zero-padded, so that a
// list is looked through by comparing numbers, without a branch per entry or per unit.
constexpr std::uint64_t packHead(std::u16string_view word)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < LongestListedWord; ++i)
        head = (head << 16) | (i < word.size() ? word[i] : 0);
    return head;
}

// The head of the word of `size` units at `start` in `units`.
inline std::uint64_t headOf(std::u16string_view units, std::size_t start, std::size_t size)
{
    if (start + LongestListedWord > units.size())
        return packHead(units.substr(start, size));
    const char16_t *at = units.data() + start;
    const std::uint64_t four = std::uint64_t(at[0]) << 48 | std::uint64_t(at[1]) << 32 |
                               std::uint64_t(at[2]) << 16 | std::uint64_t(at[3]);
    const std::size_t kept = size < LongestListedWord ? size : LongestListedWord;
    return four & (~std::uint64_t(0) << (16 * (LongestListedWord - kept)));
}

// Both lists in one table with a slot for each head, found by a multiplication: one
// comparison tells whether a word is listed, and on which list.
enum class Listed : std::uint8_t
{
    No,
    Arabic,
    Persian
};
struct ListedWord
{
    std::uint64_t head = 0;
    Listed list = Listed::No;
};
constexpr int ListedSlotBits = 5;
using ListedTable = std::array<ListedWord, std::size_t(1) << ListedSlotBits>;

constexpr std::size_t slotOf(std::uint64_t head, std::uint64_t multiplier)
{
    return std::size_t((head * multiplier) >> (64 - ListedSlotBits));
}

// Fills the table with `multiplier`; false when two heads would share a slot.
constexpr bool fillListed(ListedTable &table, std::uint64_t multiplier)
{
    table = {};
    const auto place = [&](std::u16string_view word, Listed list) {
        ListedWord &slot = table[slotOf(packHead(word), multiplier)];
        if (slot.list != Listed::No)
            return false;
        slot = {packHead(word), list};
        return true;
    };
    for (std::u16string_view word : ArabicWords)
        if (!place(word, Listed::Arabic))
            return false;
    for (std::u16string_view word : PersianWords)
        if (!place(word, Listed::Persian))
            return false;
    return true;
}

struct ListedWords
{
    ListedTable table{};
    std::uint64_t multiplier = 0;
};

// The first odd multiplier, from a well-mixing start, that gives every head its own slot.
constexpr ListedWords listedWords()
{
    ListedWords words;
    for (words.multiplier = 0x9E3779B97F4A7C15u; !fillListed(words.table, words.multiplier);
         words.multiplier += 2) {
    }
    return words;
}
constexpr ListedWords Listing = listedWords();

// Which list holds the word with `head`, a word of at most four units.
inline Listed listOf(std::uint64_t head)
{
    const ListedWord &slot = Listing.table[slotOf(head, Listing.multiplier)];
    return slot.head == head ? slot.list : Listed::No;
}

constexpr std::uint64_t PersianPrefixHead = packHead(PersianPrefix);
constexpr std::uint64_t ArticleHead = packHead(u"\u0627\u0644"); // ال

// Called for every word of every line; its counts are sums of tests rather than branches,
// because which way each test goes changes from word to word.
void countWord(std::u16string_view word, std::uint64_t head, Signs &signs)
{
    const char16_t last = word.back();
    const bool tehFinal = last == TehMarbuta;
    signs.tehFinal += tehFinal;
    signs.tehShortWord += tehFinal & (word.size() == 2);
    signs.thehFinal += (last == Theh) & (word.size() > 1);
    signs.article += (word.size() >= 4) & ((head & ~std::uint64_t(0xFFFFFFFF)) == ArticleHead);
    const bool prefixed = (head & ~std::uint64_t(0xFFFF)) == PersianPrefixHead;
    // A longer word is on neither list; its head, 0, is nobody's.
    const Listed list = listOf(word.size() <= LongestListedWord ? head : 0);
    signs.arabicWords += list == Listed::Arabic;
    signs.persianWords += int(list == Listed::Persian) | int(prefixed & (list != Listed::Arabic));
}

// What the walk over a line needs to know of a unit.
enum UnitFlag : std::uint8_t
{
    LetterUnit = 1, // a letter
    WordUnit = 2,   // continues a word: a letter, a mark on it, a joiner
    SignUnit = 4    // countUnit() looks at it
};

// The flags of every code unit in one table: a single load per unit, no test of its block.
using UnitFlags = std::array<std::uint8_t, 0x10000>;

constexpr UnitFlags unitFlags()
{
    UnitFlags flags{};
    for (std::size_t c = 0; c < flags.size(); ++c)
        flags[c] = std::uint8_t((isLetter(char16_t(c)) ? LetterUnit : 0) |
                                (continuesWord(char16_t(c)) ? WordUnit : 0));
    for (char16_t c : {Ae,
                       Ee,
                       Lhe,
                       Rreh,
                       Oe,
                       Veh,
                       Heh,
                       TehMarbuta,
                       Dammatan,
                       Kasratan,
                       Fathatan,
                       Sukun,
                       Damma,
                       Fatha,
                       Kasra,
                       Shadda,
                       Tcheh,
                       Jeh,
                       Gaf,
                       Peh,
                       Keheh,
                       Sad,
                       AlefHamzaBelow,
                       Tah,
                       AlefHamzaAbove})
        flags[c] |= SignUnit;
    return flags;
}
constexpr UnitFlags Flags = unitFlags();

inline std::uint8_t flagsOf(char16_t c)
{
    return Flags[c];
}

// Counts the signs of the unit at `i`; true when it decides the line on its own.
bool countUnit(QStringView line, qsizetype i, Signs &signs)
{
    const char16_t c = line[i].unicode();
    const char16_t before = i > 0 ? line[i - 1].unicode() : 0;
    const char16_t after = i + 1 < line.size() ? line[i + 1].unicode() : 0;
    // The two signs legacy lines hold most are tested before the switch: a plain test is
    // predicted better than its jump.
    if (c == TehMarbuta) {
        signs.tehInside += isLetter(after);
        return false;
    }
    if (c == Fatha) {
        signs.markPairs += isOneOf(before, {Yeh, AlefMaksura, FarsiYeh, Lam, Waw}) ||
                           (before == Alef && i > 1 && line[i - 2] == QChar(Lam));
        ++signs.otherMarks;
        return false;
    }
    switch (c) {
    case Ae:
    case Ee:
    case Lhe:
    case Rreh:
    case Oe:
        // Letters no legacy writing has: the line is Unicode whatever else it holds.
        ++signs.kurdishLetters;
        return true;
    case Veh: // Zarnegar may hold a real ڤ
        ++signs.kurdishLetters;
        ++signs.veh;
        break;
    case Heh:
        signs.hehZwnj += after == Zwnj;
        signs.hehRlm += after == Rlm;
        break;
    case Dammatan:
    case Kasratan: {
        const bool v = c == Dammatan ? isOneOf(before, {Lam, FarsiYeh, Yeh, AlefMaksura, Waw}) ||
                                           (before == Alef && i > 1 && line[i - 2] == QChar(Lam))
                                     : before == Reh;
        if (v)
            ++(isLetter(after) ? signs.vInside : signs.vFinal);
        else
            ++signs.otherMarks;
        ++signs.tanwinSukun;
        break;
    }
    case Fathatan:
        ++signs.tanwinSukun;
        ++signs.otherMarks;
        break;
    case Sukun:
        ++signs.tanwinSukun;
        ++signs.dammaSukun;
        ++signs.otherMarks;
        break;
    case Damma:
        ++signs.dammaSukun;
        ++signs.otherMarks;
        break;
    case Kasra:
        signs.markPairs += before == Reh;
        ++signs.otherMarks;
        break;
    case Shadda:
        ++signs.otherMarks;
        break;
    case Tcheh:
    case Jeh:
    case Gaf:
        ++signs.realKurdish;
        break;
    case Peh:
        ++signs.realPeh;
        break;
    case Keheh:
        ++signs.realKeheh;
        break;
    case Sad:
        ++signs.sad;
        break;
    case AlefHamzaBelow:
        signs.lamAlefHamzaBelow += before == Lam;
        break;
    case Tah:
        ++signs.tah;
        break;
    case AlefHamzaAbove:
        signs.alefHamzaInside += isLetter(before) && before != Lam && isLetter(after);
        break;
    default:
        break;
    }
    return false;
}

Signs countSigns(QStringView line)
{
    const std::u16string_view units(reinterpret_cast<const char16_t *>(line.utf16()),
                                    std::size_t(line.size()));
    Signs signs;
    std::size_t wordStart = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint8_t flags = flagsOf(units[i]);
        if (inWord) {
            // Inside a word most units are letters that are no sign: nothing to count but
            // the letter, which the word's first one has counted already.
            while (flags == (LetterUnit | WordUnit) && ++i < units.size())
                flags = flagsOf(units[i]);
            if (i == units.size())
                break;
        }
        const bool letter = (flags & LetterUnit) != 0;
        const bool continues = (flags & WordUnit) != 0;
        signs.letters += letter;
        // Only a word's end takes a branch; its start is recorded either way.
        if (inWord && !continues)
            countWord(units.substr(wordStart, i - wordStart), headOf(units, wordStart, i - wordStart), signs);
        wordStart = inWord ? wordStart : i;
        inWord = inWord ? continues : letter;
        if ((flags & SignUnit) && countUnit(line, qsizetype(i), signs))
            return signs;
    }
    if (inWord)
        countWord(units.substr(wordStart), headOf(units, wordStart, units.size() - wordStart), signs);
    return signs;
}

LineClass aliVariant(const Signs &s)
{
    const int dylan = 2 * s.thehFinal + 2 * s.realKurdish + 4 * s.lamAlefHamzaBelow - 2 * s.tah;
    const int web = 2 * s.alefHamzaInside + 2 * s.realKeheh + 2 * s.dammaSukun + s.sad +
                    (s.realKurdish == 0 ? s.realPeh : 0);
    if (dylan >= 2 && dylan > web)
        return LineClass::Dylan;
    if (web >= 2)
        return LineClass::AliWeb;
    return LineClass::AliK;
}

} // namespace

LineClass classifyLine(QStringView line)
{
    const Signs s = countSigns(line);
    if (s.letters == 0)
        return LineClass::Neutral;
    if (s.kurdishLetters > 0 && s.kurdishLetters != s.veh)
        return LineClass::Unicode;
    if (s.vInside > 0 || s.hehRlm > 0 || (s.vFinal > 0 && s.otherMarks == 0))
        return LineClass::Zarnegar;
    // Persian writes ه + ZWNJ too (خانه‌ها); only its words tell it apart then.
    if (s.kurdishLetters > 0 || (s.hehZwnj > 0 && s.persianWords == 0))
        return LineClass::Unicode;
    const int foreign = 2 * s.arabicWords + 2 * s.persianWords + s.article + s.tanwinSukun;
    int ali = 3 * s.tehInside + 2 * s.tehShortWord + (s.tanwinSukun == 0 ? 2 * s.markPairs : 0);
    if (s.arabicWords == 0 && s.persianWords == 0 && s.article == 0)
        ali += s.tehFinal;
    if (ali > foreign)
        return aliVariant(s);
    return LineClass::Arabic;
}

QStringView lineClassName(LineClass c)
{
    switch (c) {
    case LineClass::AliK:
        return u"ali-k";
    case LineClass::AliWeb:
        return u"ali-web";
    case LineClass::Dylan:
        return u"dylan";
    case LineClass::Zarnegar:
        return u"zarnegar";
    case LineClass::Unicode:
        return u"unicode";
    case LineClass::Arabic:
        return u"arabic";
    case LineClass::Neutral:
        break;
    }
    return u"neutral";
}

void LineClassTally::add(LineClass c)
{
    ++m_counts[static_cast<std::size_t>(c)];
}

qint64 LineClassTally::count(LineClass c) const
{
    return m_counts[static_cast<std::size_t>(c)];
}

qint64 LineClassTally::total() const
{
    qint64 sum = 0;
    for (qint64 n : m_counts)
        sum += n;
    return sum;
}

QString LineClassTally::summary() const
{
    if (total() == 0)
        return QStringLiteral("empty");
    const auto lines = [](qint64 n) {
        return QString::number(n) + (n == 1 ? QStringLiteral(" line") : QStringLiteral(" lines"));
    };
    std::array<LineClass, LineClassCount - 1> order{LineClass::AliK,    LineClass::AliWeb,
                                                    LineClass::Dylan,   LineClass::Zarnegar,
                                                    LineClass::Unicode, LineClass::Arabic};
    // Most lines first; a stable sort keeps the order above among equals.
    std::stable_sort(order.begin(), order.end(),
                     [this](LineClass a, LineClass b) { return count(a) > count(b); });
    QString text;
    for (LineClass c : order) {
        const qint64 n = count(c);
        if (n == 0)
            continue;
        // The verdict, first, names its unit; the rest follow as bare counts.
        const bool verdict = text.isEmpty();
        if (!verdict)
            text += QStringLiteral(", ");
        text += lineClassName(c);
        text += QStringLiteral(" (");
        text += verdict ? lines(n) : QString::number(n);
        text += QLatin1Char(')');
    }
    if (text.isEmpty())
        return QStringLiteral("neutral (%1)").arg(lines(count(LineClass::Neutral)));
    return text;
}

} // namespace pirtok
