#include "convert/core/UnchangedRun.h"

#include "convert/core/ArabicScript.h"
#include "convert/core/StandardUnits.h"

#include <array>
#include <cstdint>

namespace pirtok::detail {

namespace {

using namespace arabic;

// How a unit meets the steps when nothing is held back.
enum Kind : std::uint8_t
{
    StepUnit,    // some step may change it or look at it
    PlainLetter, // a letter every step passes on unchanged
    Alef,        // ا: unchanged, but after ل it waits for a fatha that makes ڵا
    AlefHamza,   // أ: unchanged, but after ل it makes ڵا
    AsciiAlnum,  // unchanged, and ends a word
    Holding,     // ی ێ و ۆ ڕ: unchanged unless a mark or the word's end follows
    LamLetter,   // ل ڵ: as Holding, and waits for ا or أ
    RehLetter,   // ر: as Holding, and turns at a word's start
    HehLetter,   // ه: as Holding, and may turn at a word's end
    Space,       // unchanged unless punctuation stands beside it
    Opener,      // ( [ «: a space after it goes
    Closer,      // ) ] »: a space before it goes
    Separator,   // . , ، ؛ ؟ ! : ;: as Closer, and a letter right after it gets a space
    LineEnd,     // only ever the unit after the last
    KindCount
};

// The kinds by the unit's low byte, one table per block that holds an unchanged unit.
using BlockKinds = std::array<Kind, 256>;

constexpr void markPunctuation(BlockKinds &kinds, char16_t block)
{
    for (int low = 0; low < 256; ++low) {
        const auto c = char16_t(block + low);
        if (isOpener(c))
            kinds[low] = Opener;
        else if (isSeparator(c))
            kinds[low] = Separator;
        else if (isCloser(c))
            kinds[low] = Closer;
    }
}

constexpr BlockKinds arabicBlockKinds()
{
    BlockKinds kinds{};
    // ٰ counts as a letter and as a mark: the steps treat it as both, so it is theirs.
    for (char16_t c = 0x0600; c <= 0x06FF; ++c)
        if (isLetter(c) && !isMark(c))
            kinds[c & 0xFF] = PlainLetter;
    kinds[arabic::Alef & 0xFF] = Alef;
    kinds[AlefHamzaAbove & 0xFF] = AlefHamza;
    for (char16_t c : {FarsiYeh, Ee, Waw, Oe, Rreh})
        kinds[c & 0xFF] = Holding;
    for (char16_t c : {Lam, Lhe})
        kinds[c & 0xFF] = LamLetter;
    kinds[Reh & 0xFF] = RehLetter;
    kinds[Heh & 0xFF] = HehLetter;
    for (const LetterFold &fold : LetterFolds)
        kinds[fold.from & 0xFF] = StepUnit;
    kinds[Tatweel & 0xFF] = StepUnit;
    markPunctuation(kinds, 0x0600);
    return kinds;
}

constexpr BlockKinds latinBlockKinds()
{
    BlockKinds kinds{};
    for (char16_t c = 0; c < 128; ++c) {
        const bool alnum = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        kinds[c] = alnum ? AsciiAlnum : StepUnit;
    }
    kinds[u' '] = Space;
    markPunctuation(kinds, 0x0000);
    return kinds;
}

// The kind of every code unit in one table: one load per unit, no test of its block.
using UnitKinds = std::array<Kind, 0x10000>;

constexpr UnitKinds unitKinds()
{
    UnitKinds kinds{};
    const BlockKinds latin = latinBlockKinds();
    const BlockKinds arabicBlock = arabicBlockKinds();
    for (std::size_t low = 0; low < 256; ++low) {
        kinds[low] = latin[low];
        kinds[0x0600 + low] = arabicBlock[low];
    }
    return kinds;
}
constexpr UnitKinds Kinds = unitKinds();

inline Kind kindOf(char16_t c)
{
    return Kinds[c];
}

// What a unit is to the unit after it: whether it continues a word, whether it opens.
enum Before : std::uint8_t
{
    OtherBefore = 0,
    WordBefore = 1,
    OpenerBefore = 2,
    LamBefore = 4, // with WordBefore
    BeforeCount = 8
};

constexpr bool isLetterKind(Kind k)
{
    return k == PlainLetter || k == Alef || k == AlefHamza || k == Holding || k == LamLetter ||
           k == RehLetter || k == HehLetter;
}

constexpr std::array<Before, KindCount> beforeOf()
{
    std::array<Before, KindCount> before{};
    for (int k = 0; k < KindCount; ++k)
        before[k] = Kind(k) == LamLetter    ? Before(WordBefore | LamBefore)
                    : isLetterKind(Kind(k)) ? WordBefore
                    : Kind(k) == Opener     ? OpenerBefore
                                            : OtherBefore;
    return before;
}
constexpr std::array<Before, KindCount> BeforeOf = beforeOf();

// A letter that neither merges into the unit before it nor lets it end a word.
constexpr bool goesOnWord(Kind k)
{
    return k == PlainLetter || k == Holding || k == LamLetter || k == RehLetter || k == HehLetter;
}

constexpr bool isPunctuation(Kind k)
{
    return k == Opener || k == Closer || k == Separator;
}

constexpr bool unchanged(int before, Kind unit, Kind next, bool finalHehTurns)
{
    const bool endsWord = next == Space || isPunctuation(next) || next == LineEnd;
    switch (unit) {
    case PlainLetter:
    case AlefHamza: // after ل, the ل has already ended the run
    case AsciiAlnum:
    case Opener:
    case Closer:
        return true;
    case Alef:
        // After ل, a mark may still make them ڵا; then the run ends before the ل.
        return (before & LamBefore) == 0 || next != StepUnit;
    case Separator:
        // A letter right after it would get a space.
        return endsWord || next == AsciiAlnum;
    case Holding:
    case LamLetter:
    case RehLetter:
    case HehLetter: {
        // A mark may merge into it; only a word-final ه may turn at the word's end; ل + أ is ڵا.
        const bool goesOn = goesOnWord(next) || next == Alef || (next == AlefHamza && unit != LamLetter);
        if (!goesOn && !(endsWord && (unit != HehLetter || !finalHehTurns)))
            return false;
        return unit != RehLetter || (before & WordBefore) != 0;
    }
    case Space:
        // Spaces wait for what follows them: a letter after an opener takes them away, a
        // closer or another space may; an opener, an ASCII letter or the line's end settles them.
        if (next == Opener || next == AsciiAlnum || next == LineEnd)
            return true;
        return (goesOnWord(next) || next == Alef || next == AlefHamza) && (before & OpenerBefore) == 0;
    default:
        return false;
    }
}

// For each unit before it and each unit: a bit per kind of unit after it that leaves it
// unchanged.
using RunTable = std::array<std::array<std::uint16_t, KindCount>, BeforeCount>;

constexpr RunTable runTable(bool finalHehTurns)
{
    RunTable table{};
    for (int before = 0; before < BeforeCount; ++before)
        for (int unit = 0; unit < KindCount; ++unit)
            for (int next = 0; next < KindCount; ++next)
                if (unchanged(before, Kind(unit), Kind(next), finalHehTurns))
                    table[before][unit] |= std::uint16_t(1u << next);
    return table;
}
constexpr RunTable RunsKeepingFinalHeh = runTable(false);
constexpr RunTable RunsTurningFinalHeh = runTable(true);

} // namespace

const char16_t *UnchangedRun::copy(const char16_t *from, const char16_t *end, RunContext context,
                                   char16_t *out) const
{
    if (from == end)
        return from;
    const RunTable &table = m_finalHehTurns ? RunsTurningFinalHeh : RunsKeepingFinalHeh;
    int before = (context.wordBefore ? WordBefore : OtherBefore) | (context.openerBefore ? OpenerBefore : 0);
    Kind unit = kindOf(*from);
    const char16_t *at = from;
    for (;;) {
        *out++ = *at;
        const Kind next = at + 1 != end ? kindOf(at[1]) : LineEnd;
        if (((table[before][unit] >> next) & 1u) == 0)
            return unit == Alef && (before & LamBefore) ? at - 1 : at;
        before = BeforeOf[unit];
        unit = next;
        if (++at == end)
            return at;
    }
}

} // namespace pirtok::detail
