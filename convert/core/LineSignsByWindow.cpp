// The signs of a line counted a window of units at a time. Every unit gets a kind from one
// table; each kind a window holds becomes a bit mask over the window, and every sign is a
// popcount of masks combined with their neighbours' masks shifted by a unit or two. No
// branch is taken per unit, which is where a per-unit walk spends its time: in Kurdish-font
// text a third of the units are word ends or signs, and which comes next is anyone's guess.

#include "convert/core/ArabicScript.h"
#include "convert/core/LineSigns.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pirtok::detail {

namespace {

using namespace arabic;

using Mask = std::uint64_t; // bit j: the window's unit j

// What the count needs to know of a unit. The kinds that continue a word come after
// those that do not, and letters come last, so that both are a single comparison.
enum class Kind : std::uint8_t
{
    Apart,   // no part of a word
    RlmMark, // no part of a word either; after ه, Zarnegar's ە
    // part of a word, no letter
    Joiner, // a mark or joiner no sign looks at
    ZwnjMark,
    FathaMark,
    KasraMark,
    ShaddaMark,
    DammaMark,
    SukunMark,
    FathatanMark,
    DammatanMark,
    KasratanMark,
    // letters
    Letter,    // a letter no sign looks at
    ListStart, // a letter no sign looks at, but a listed word starts with it
    TehMarbutaLetter,
    HehLetter,
    MarkBase, // ي ى و, beside ی and ل below: they carry the Ali family's and Zarnegar's marks
    FarsiYehLetter,
    LamLetter,
    AlefLetter,
    RehLetter,
    ThehLetter,
    MeemLetter,
    TahLetter,
    AlefHamzaAboveLetter,
    RealKurdish, // چ ژ گ
    PehLetter,
    KehehLetter,
    SadLetter,
    AlefHamzaBelowLetter,
    KurdishOnly, // ە ێ ڵ ڕ ۆ
    VehLetter,
    Count
};
constexpr int KindCount = int(Kind::Count);
static_assert(KindCount <= 32, "a window's kinds are a 32-bit set");

constexpr std::uint32_t bitOf(Kind kind)
{
    return std::uint32_t(1) << int(kind);
}

// Kinds most lines of Kurdish-font text never hold; their masks are made only for a window
// that holds one of them. Their bytes carry RareBit, so that one OR over the window tells.
constexpr std::uint32_t RareKinds =
    bitOf(Kind::RlmMark) | bitOf(Kind::ShaddaMark) | bitOf(Kind::DammaMark) | bitOf(Kind::SukunMark) |
    bitOf(Kind::FathatanMark) | bitOf(Kind::DammatanMark) | bitOf(Kind::KasratanMark) |
    bitOf(Kind::RealKurdish) | bitOf(Kind::PehLetter) | bitOf(Kind::KehehLetter) | bitOf(Kind::SadLetter) |
    bitOf(Kind::AlefHamzaBelowLetter) | bitOf(Kind::KurdishOnly) | bitOf(Kind::VehLetter) |
    bitOf(Kind::ZwnjMark) | bitOf(Kind::FarsiYehLetter);
constexpr std::uint8_t RareBit = 0x80;
constexpr std::uint8_t KindBits = 0x7F;
static_assert(KindCount <= KindBits, "a kind fits beside the rare bit");

// The byte a window holds for a unit of `kind`.
constexpr std::uint8_t byteOf(Kind kind)
{
    return std::uint8_t(int(kind) | ((RareKinds & bitOf(kind)) ? RareBit : 0));
}

using KindTable = std::array<std::uint8_t, 0x10000>; // the byte of each unit's kind

constexpr KindTable kindTable()
{
    // Only the Arabic block's units and the joiners are letters or continue a word, so only
    // they are asked: asking all 64K units takes a compiler longer than it will go.
    KindTable kinds{};
    for (char16_t c = 0x0600; c <= 0x06FF; ++c)
        kinds[c] = byteOf(isLetter(c) ? Kind::Letter : continuesWord(c) ? Kind::Joiner : Kind::Apart);
    for (char16_t c : {Zwnj, Zwj})
        kinds[c] = byteOf(Kind::Joiner);
    for (std::u16string_view word : ArabicWordList)
        kinds[word[0]] = byteOf(Kind::ListStart);
    for (std::u16string_view word : PersianWordList)
        kinds[word[0]] = byteOf(Kind::ListStart);
    // The signs' own kinds take over the first letters they share with the lists.
    const std::pair<char16_t, Kind> signs[] = {
        {Rlm, Kind::RlmMark},
        {Zwnj, Kind::ZwnjMark},
        {Fatha, Kind::FathaMark},
        {Kasra, Kind::KasraMark},
        {Shadda, Kind::ShaddaMark},
        {Damma, Kind::DammaMark},
        {Sukun, Kind::SukunMark},
        {Fathatan, Kind::FathatanMark},
        {Dammatan, Kind::DammatanMark},
        {Kasratan, Kind::KasratanMark},
        {TehMarbuta, Kind::TehMarbutaLetter},
        {Heh, Kind::HehLetter},
        {Yeh, Kind::MarkBase},
        {AlefMaksura, Kind::MarkBase},
        {Waw, Kind::MarkBase},
        {FarsiYeh, Kind::FarsiYehLetter},
        {Lam, Kind::LamLetter},
        {Alef, Kind::AlefLetter},
        {Reh, Kind::RehLetter},
        {Theh, Kind::ThehLetter},
        {PersianPrefix[0], Kind::MeemLetter},
        {Tah, Kind::TahLetter},
        {AlefHamzaAbove, Kind::AlefHamzaAboveLetter},
        {Tcheh, Kind::RealKurdish},
        {Jeh, Kind::RealKurdish},
        {Gaf, Kind::RealKurdish},
        {Peh, Kind::PehLetter},
        {Keheh, Kind::KehehLetter},
        {Sad, Kind::SadLetter},
        {AlefHamzaBelow, Kind::AlefHamzaBelowLetter},
        {Ae, Kind::KurdishOnly},
        {Ee, Kind::KurdishOnly},
        {Lhe, Kind::KurdishOnly},
        {Rreh, Kind::KurdishOnly},
        {Oe, Kind::KurdishOnly},
        {arabic::Veh, Kind::VehLetter},
    };
    for (const auto &[unit, kind] : signs)
        kinds[unit] = byteOf(kind);
    return kinds;
}
constexpr KindTable Kinds = kindTable();

// The kinds a listed word may start with: a window's short words are looked up only when
// they start with one of them.
constexpr std::uint32_t listStartKinds()
{
    std::uint32_t set = 0;
    for (std::u16string_view word : ArabicWordList)
        set |= bitOf(Kind(Kinds[word[0]] & KindBits));
    for (std::u16string_view word : PersianWordList)
        set |= bitOf(Kind(Kinds[word[0]] & KindBits));
    return set;
}
constexpr std::uint32_t ListStartKinds = listStartKinds();
static_assert((ListStartKinds &
               ~(bitOf(Kind::ListStart) | bitOf(Kind::HehLetter) | bitOf(Kind::AlefLetter) |
                 bitOf(Kind::RehLetter) | bitOf(Kind::KehehLetter) | bitOf(Kind::AlefHamzaBelowLetter))) == 0,
              "every kind a listed word starts with is looked at");

// ---- the word lists, looked up by a word's first four units packed into one number

constexpr std::size_t LongestListedWord = 4;

constexpr std::uint64_t packHead(std::u16string_view word)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < LongestListedWord; ++i)
        head = (head << 16) | (i < word.size() ? word[i] : 0);
    return head;
}

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
    for (std::u16string_view word : ArabicWordList)
        if (!place(word, Listed::Arabic))
            return false;
    for (std::u16string_view word : PersianWordList)
        if (!place(word, Listed::Persian))
            return false;
    return true;
}

struct ListedWords
{
    ListedTable table{};
    std::uint64_t multiplier = 0;
};

// Both lists in one table with a slot for each head, found by a multiplication searched for
// at compile time: one comparison tells whether a word is listed, and on which list.
constexpr ListedWords listedWords()
{
    ListedWords words;
    for (words.multiplier = 0x9E3779B97F4A7C15u; !fillListed(words.table, words.multiplier);
         words.multiplier += 2) {
    }
    return words;
}
constexpr ListedWords Listing = listedWords();

// Which list holds the word of `size` units (2 to 4) at `at`.
inline Listed listOf(const char16_t *at, std::size_t size)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < LongestListedWord; ++i)
        head = (head << 16) | (i < size ? at[i] : 0);
    const ListedWord &slot = Listing.table[slotOf(head, Listing.multiplier)];
    return slot.head == head ? slot.list : Listed::No;
}

// ---- windows

// A window sees two units before the ones it counts (ل ا before a mark) and four after
// (a word's end up to three units on, and the unit after it).
constexpr int WindowUnits = 64;
constexpr int Behind = 2;
constexpr int Ahead = 4;
constexpr int Counted = WindowUnits - Behind - Ahead;
constexpr Mask BehindBits = (Mask(1) << Behind) - 1;

// A window's kinds, one byte each, and the masks made from them.
class KindBytes
{
public:
    // The kinds of the window's 64 `units`.
    explicit KindBytes(const char16_t *units)
    {
#if defined(__SSE2__)
        // Put together in registers, two kinds at a time: bytes stored one by one and loaded
        // sixteen at once would wait for every store to land.
        const __m128i kindBits = _mm_set1_epi8(char(KindBits));
        for (int v = 0; v < 4; ++v) {
            __m128i bytes = _mm_setzero_si128();
            const char16_t *at = units + 16 * v;
            bytes = _mm_insert_epi16(bytes, pairOf(at + 0), 0);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 2), 1);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 4), 2);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 6), 3);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 8), 4);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 10), 5);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 12), 6);
            bytes = _mm_insert_epi16(bytes, pairOf(at + 14), 7);
            m_vectors[v] = bytes;
            m_kinds[v] = _mm_and_si128(bytes, kindBits);
        }
#else
        for (int j = 0; j < WindowUnits; ++j)
            m_bytes[j] = Kinds[units[j]];
#endif
    }

    Mask equal(Kind kind) const
    {
#if defined(__SSE2__)
        const __m128i k = _mm_set1_epi8(char(byteOf(kind)));
        return gather(m_vectors, [&](__m128i v) { return _mm_cmpeq_epi8(v, k); });
#else
        return scalar([&](std::uint8_t b) { return b == byteOf(kind); });
#endif
    }

    Mask atLeast(Kind kind) const
    {
#if defined(__SSE2__)
        const __m128i below = _mm_set1_epi8(char(int(kind) - 1));
        return gather(m_kinds, [&](__m128i v) { return _mm_cmpgt_epi8(v, below); });
#else
        return scalar([&](std::uint8_t b) { return (b & KindBits) >= std::uint8_t(kind); });
#endif
    }

    bool holdsRare() const
    {
#if defined(__SSE2__)
        const __m128i held =
            _mm_or_si128(_mm_or_si128(m_vectors[0], m_vectors[1]), _mm_or_si128(m_vectors[2], m_vectors[3]));
        return _mm_movemask_epi8(held) != 0;
#else
        return scalar([](std::uint8_t b) { return (b & RareBit) != 0; }) != 0;
#endif
    }

private:
#if defined(__SSE2__)
    // The kinds of two units as the 16-bit lane that holds them; the lane's type is signed.
    static short pairOf(const char16_t *at)
    {
        return static_cast<short>(Kinds[at[0]] | Kinds[at[1]] << 8);
    }

    template <typename Test> static Mask gather(const __m128i (&vectors)[4], Test test)
    {
        Mask mask = 0;
        for (int v = 0; v < 4; ++v)
            mask |= Mask(std::uint16_t(_mm_movemask_epi8(test(vectors[v])))) << (16 * v);
        return mask;
    }
    __m128i m_vectors[4]; // the bytes as they are
    __m128i m_kinds[4];   // without the rare bit, for the comparisons of order
#else
    template <typename Test> Mask scalar(Test test) const
    {
        Mask mask = 0;
        for (int j = 0; j < WindowUnits; ++j)
            mask |= Mask(test(m_bytes[j])) << j;
        return mask;
    }
    std::uint8_t m_bytes[WindowUnits];
#endif
};

[[gnu::always_inline]] inline int count(Mask mask)
{
    return __builtin_popcountll(mask);
}

class WindowCounter
{
public:
    WindowCounter(std::u16string_view units, LineSigns &signs) : m_units(units), m_signs(signs) {}

    // Counts the units from `start` on, up to `Counted` of them. With `StopAtKurdishLetter`,
    // a window that holds a letter only Unicode Kurdish has is left uncounted, and the
    // answer is true: that letter decides the line, whatever else it holds.
    template <bool StopAtKurdishLetter> [[gnu::always_inline]] inline bool countFrom(std::size_t start);

private:
    std::u16string_view m_units;
    LineSigns &m_signs;
    Mask m_wordCarry = 0; // which of the window's units before `start` are in a word
};

template <bool StopAtKurdishLetter> bool WindowCounter::countFrom(std::size_t start)
{
    // The window's units; at the line's ends, a copy with zeros (Apart) beyond them.
    const std::ptrdiff_t base = std::ptrdiff_t(start) - Behind; // the window's first unit
    alignas(16) char16_t padded[WindowUnits];
    const char16_t *units = padded;
    if (base >= 0 && base + WindowUnits <= std::ptrdiff_t(m_units.size())) {
        units = m_units.data() + base;
    } else {
        std::memset(padded, 0, sizeof padded);
        const std::ptrdiff_t first = std::max<std::ptrdiff_t>(base, 0);
        const std::ptrdiff_t end = std::min(std::ptrdiff_t(m_units.size()), base + WindowUnits);
        std::memcpy(padded + (first - base), m_units.data() + first,
                    std::size_t(end - first) * sizeof(char16_t));
    }
    const KindBytes kinds(units);
    const std::size_t countedHere = std::min<std::size_t>(Counted, m_units.size() - start);
    const Mask counted = ((Mask(1) << countedHere) - 1) << Behind;
    if (StopAtKurdishLetter && kinds.holdsRare() && (kinds.equal(Kind::KurdishOnly) & counted) != 0)
        return true;

    // Words: letters, and after a letter the marks and joiners that continue it.
    const Mask letters = kinds.atLeast(Kind::Letter);
    const Mask marks = kinds.atLeast(Kind::Joiner) & ~letters & ~BehindBits;
    const Mask knownLetters = (letters & ~BehindBits) | m_wordCarry;
    const Mask markRunStarts = marks & ~(marks << 1) & (knownLetters << 1);
    const Mask inWord = knownLetters | (((marks + markRunStarts) ^ marks) & marks);
    m_wordCarry = (inWord >> Counted) & BehindBits;
    const Mask wordEnds = inWord & ~(inWord >> 1);
    const Mask wordStarts = inWord & ~(inWord << 1);

    const auto mask = [&](Kind kind) { return kinds.equal(kind); };
    const Mask teh = mask(Kind::TehMarbutaLetter);
    const Mask heh = mask(Kind::HehLetter);
    const Mask lam = mask(Kind::LamLetter);
    const Mask alef = mask(Kind::AlefLetter);
    const Mask reh = mask(Kind::RehLetter);
    const Mask fatha = mask(Kind::FathaMark);
    const Mask kasra = mask(Kind::KasraMark);
    const bool rare = kinds.holdsRare();
    const Mask farsiYeh = rare ? mask(Kind::FarsiYehLetter) : 0;
    const Mask afterLetter = letters << 1;
    const Mask beforeLetter = letters >> 1;
    const Mask afterReh = reh << 1;
    // ی ي ى و ل before the unit, or ل ا.
    const Mask afterMarkBase = ((mask(Kind::MarkBase) | farsiYeh | lam) << 1) | ((alef << 1) & (lam << 2));

    LineSigns &s = m_signs;
    s[Letters] += count(letters & counted);
    s[TehInside] += count(teh & beforeLetter & counted);
    s[TehFinal] += count(teh & wordEnds & counted);
    s[TehShortWord] += count(teh & wordEnds & (wordStarts << 1) & counted);
    s[ThehFinal] += count(mask(Kind::ThehLetter) & wordEnds & ~wordStarts & counted);
    s[MarkPairs] += count(((fatha & afterMarkBase) | (kasra & afterReh)) & counted);
    s[TahLetter] += count(mask(Kind::TahLetter) & counted);
    s[AlefHamzaInside] +=
        count(mask(Kind::AlefHamzaAboveLetter) & (afterLetter & ~(lam << 1)) & beforeLetter & counted);
    Mask otherMarks = fatha | kasra;
    Mask listStarts = 0;
    if (rare) {
        const Mask zwnj = mask(Kind::ZwnjMark);
        const Mask dammatan = mask(Kind::DammatanMark);
        const Mask kasratan = mask(Kind::KasratanMark);
        const Mask fathatan = mask(Kind::FathatanMark);
        const Mask sukun = mask(Kind::SukunMark);
        const Mask damma = mask(Kind::DammaMark);
        const Mask veh = mask(Kind::VehLetter);
        const Mask keheh = mask(Kind::KehehLetter);
        const Mask alefHamzaBelow = mask(Kind::AlefHamzaBelowLetter);
        const Mask v = (dammatan & afterMarkBase) | (kasratan & afterReh);
        s[HehZwnj] += count(heh & (zwnj >> 1) & counted);
        s[HehRlm] += count(heh & (mask(Kind::RlmMark) >> 1) & counted);
        s[VInside] += count(v & beforeLetter & counted);
        s[VFinal] += count(v & ~beforeLetter & counted);
        otherMarks |= ((dammatan | kasratan) & ~v) | fathatan | sukun | damma | mask(Kind::ShaddaMark);
        s[TanwinSukun] += count((dammatan | kasratan | fathatan | sukun) & counted);
        s[DammaSukun] += count((damma | sukun) & counted);
        s[KurdishLetters] += count((mask(Kind::KurdishOnly) | veh) & counted);
        s[Veh] += count(veh & counted);
        s[RealKurdish] += count(mask(Kind::RealKurdish) & counted);
        s[RealPeh] += count(mask(Kind::PehLetter) & counted);
        s[RealKeheh] += count(keheh & counted);
        s[SadLetter] += count(mask(Kind::SadLetter) & counted);
        s[LamAlefHamzaBelow] += count(alefHamzaBelow & (lam << 1) & counted);
        // A word's signs count where it starts.
        s[PersianWords] +=
            count(wordStarts & counted & mask(Kind::MeemLetter) & (farsiYeh >> 1) & (zwnj >> 2));
        listStarts = keheh | alefHamzaBelow;
    }
    s[OtherMarks] += count(otherMarks & counted);

    const Mask starts = wordStarts & counted;
    s[Article] += count(starts & alef & (lam >> 1) & (inWord >> 2) & (inWord >> 3));
    // Listed words have two to four units.
    const Mask shortWords = starts & ~wordEnds & ((wordEnds >> 1) | (wordEnds >> 2) | (wordEnds >> 3));
    listStarts |= mask(Kind::ListStart) | heh | alef | reh;
    for (Mask candidates = shortWords & listStarts; candidates != 0; candidates &= candidates - 1) {
        const int j = __builtin_ctzll(candidates);
        const std::size_t size = std::size_t(__builtin_ctzll(wordEnds >> j)) + 1;
        const Listed list = listOf(m_units.data() + (base + j), size);
        s[ArabicWords] += list == Listed::Arabic;
        s[PersianWords] += list == Listed::Persian;
    }
    return false;
}

// Adds the signs of `line` to `signs`; true when StopAtKurdishLetter stopped the count.
template <bool StopAtKurdishLetter>
[[gnu::always_inline]] inline bool countByWindows(QStringView line, LineSigns &signs)
{
    const std::u16string_view units(reinterpret_cast<const char16_t *>(line.utf16()),
                                    std::size_t(line.size()));
    WindowCounter counter(units, signs);
    for (std::size_t start = 0; start < units.size(); start += Counted)
        if (counter.countFrom<StopAtKurdishLetter>(start))
            return true;
    return false;
}

[[gnu::always_inline]] inline LineSigns countAll(QStringView line)
{
    LineSigns signs;
    countByWindows<false>(line, signs);
    return signs;
}

[[gnu::always_inline]] inline LineClass classifyInWindows(QStringView line)
{
    LineSigns signs;
    return countByWindows<true>(line, signs) ? LineClass::Unicode : classOf(signs);
}

#if defined(__x86_64__)
// The same count with the processor's popcount instruction, where it has one.
__attribute__((target("popcnt"))) LineSigns countAllWithPopcnt(QStringView line)
{
    return countAll(line);
}

__attribute__((target("popcnt"))) LineClass classifyInWindowsWithPopcnt(QStringView line)
{
    return classifyInWindows(line);
}

bool hasPopcnt()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("popcnt") != 0;
    }();
    return has;
}
#endif

} // namespace

LineSigns countSigns(QStringView line)
{
#if defined(__x86_64__)
    if (hasPopcnt())
        return countAllWithPopcnt(line);
#endif
    return countAll(line);
}

LineClass classifyByWindows(QStringView line)
{
#if defined(__x86_64__)
    if (hasPopcnt())
        return classifyInWindowsWithPopcnt(line);
#endif
    return classifyInWindows(line);
}

} // namespace pirtok::detail
