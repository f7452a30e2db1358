#pragma once

// The signs that tell the writings apart, as counted over one line, and the words that
// mark a line as Arabic or Persian. The classifier decides from the counts alone; two
// readings count them, and must agree: unit by unit, the plain one, and a window of units
// at a time, the one lines are classed with.

#include "convert/core/LineClass.h"

#include <QStringView>

#include <array>
#include <string_view>

namespace pirtok::detail {

enum Sign : int
{
    Letters,
    // Unicode Kurdish
    KurdishLetters, // ە ێ ڵ ڕ ۆ ڤ
    Veh,
    HehZwnj,
    // Zarnegar
    HehRlm,
    VInside, // the tanwin that stands for the "v" mark, inside a word
    VFinal,
    OtherMarks,
    // the Ali family
    TehInside,
    TehFinal,
    TehShortWord, // بة لة كة: ە after a single letter
    MarkPairs,    // يَ ىَ یَ لَ وَ لاَ رِ
    // Arabic and Persian
    TanwinSukun,
    Article,
    ArabicWords,
    PersianWords,
    // telling the Ali family apart
    ThehFinal,
    RealKurdish, // چ ژ گ as themselves
    RealPeh,
    RealKeheh,
    SadLetter,
    AlefHamzaInside,
    DammaSukun,
    LamAlefHamzaBelow, // لإ: Dylan's ڵا
    TahLetter,         // ط: the Ali-K and Ali-Web گ, not Dylan's
    SignCount
};

// How often each sign stands in a line. Counts, not flags, so that one stray letter does
// not outvote a line's worth of evidence.
struct LineSigns
{
    alignas(16) std::array<int, SignCount> counts{};

    int operator[](Sign sign) const { return counts[std::size_t(sign)]; }
    int &operator[](Sign sign) { return counts[std::size_t(sign)]; }
    bool operator==(const LineSigns &other) const { return counts == other.counts; }
    bool operator!=(const LineSigns &other) const { return counts != other.counts; }
};

// The Arabic and Persian words that Sorani does not have (من is Sorani "I" and stays out).
constexpr std::u16string_view ArabicWordList[] = {
    // في على إلى عن هذا هذه التي الذي
    u"\u0641\u064A",       u"\u0639\u0644\u0649", u"\u0625\u0644\u0649",       u"\u0639\u0646",
    u"\u0647\u0630\u0627", u"\u0647\u0630\u0647", u"\u0627\u0644\u062A\u064A", u"\u0627\u0644\u0630\u064A"};
constexpr std::u16string_view PersianWordList[] = {
    // است را که این برای
    u"\u0627\u0633\u062A", u"\u0631\u0627", u"\u06A9\u0647", u"\u0627\u06CC\u0646",
    u"\u0628\u0631\u0627\u06CC"};
// The Persian verb prefix می‌, and the Arabic article ال on a word of four units or more.
constexpr std::u16string_view PersianPrefix = u"\u0645\u06CC\u200C";
constexpr std::u16string_view ArticlePrefix = u"\u0627\u0644";
constexpr std::size_t ShortestWithArticle = 4;

LineSigns countSigns(QStringView line);           // a window at a time
LineSigns countSignsUnitByUnit(QStringView line); // the plain reading

inline LineClass aliVariant(const LineSigns &s)
{
    const int dylan = 2 * s[ThehFinal] + 2 * s[RealKurdish] + 4 * s[LamAlefHamzaBelow] - 2 * s[TahLetter];
    const int web = 2 * s[AlefHamzaInside] + 2 * s[RealKeheh] + 2 * s[DammaSukun] + s[SadLetter] +
                    (s[RealKurdish] == 0 ? s[RealPeh] : 0);
    if (dylan >= 2 && dylan > web)
        return LineClass::Dylan;
    if (web >= 2)
        return LineClass::AliWeb;
    return LineClass::AliK;
}

// The class of a line with `s`. Inline, so that a count made beside it can stay in registers.
inline LineClass classOf(const LineSigns &s)
{
    if (s[Letters] == 0)
        return LineClass::Neutral;
    // Letters no legacy writing has: the line is Unicode whatever else it holds.
    if (s[KurdishLetters] > 0 && s[KurdishLetters] != s[Veh])
        return LineClass::Unicode;
    if (s[VInside] > 0 || s[HehRlm] > 0 || (s[VFinal] > 0 && s[OtherMarks] == 0))
        return LineClass::Zarnegar;
    // Zarnegar may hold a real ڤ. Persian writes ه + ZWNJ too (خانه‌ها); only its words tell
    // it apart then.
    if (s[KurdishLetters] > 0 || (s[HehZwnj] > 0 && s[PersianWords] == 0))
        return LineClass::Unicode;
    const int foreign = 2 * s[ArabicWords] + 2 * s[PersianWords] + s[Article] + s[TanwinSukun];
    int ali = 3 * s[TehInside] + 2 * s[TehShortWord] + (s[TanwinSukun] == 0 ? 2 * s[MarkPairs] : 0);
    if (s[ArabicWords] == 0 && s[PersianWords] == 0 && s[Article] == 0)
        ali += s[TehFinal];
    if (ali > foreign)
        return aliVariant(s);
    return LineClass::Arabic;
}

// classOf(countSigns(line)), with the count kept in registers, and no window counted after
// one that holds a letter only Unicode Kurdish has.
LineClass classifyByWindows(QStringView line);

} // namespace pirtok::detail
