#include "convert/core/ConversionRules.h"

#include "convert/core/ConversionEngine.h"

#include <limits>

namespace pirtok {

namespace {

// Every character after which a final U+064A takes its end form U+0649. Line breaks, tabs,
// digits and the Arabic comma U+060C are deliberately absent.
constexpr char16_t SeparatorUnits[] = {
    u' ', u':', u';',   u'\'', u'=', u'+', u'-', u'_', u'.', u',', u'(', u')', u'\\', u'/', u'[', u']',
    u'{', u'}', 0x061F, u'?',  u'|', u'!', u'>', u'<', u'@', u'#', u'$', u'%', u'^',  u'&', u'*', u'"',
};
static_assert(sizeof(SeparatorUnits) / sizeof(SeparatorUnits[0]) == 32);

struct AsciiSeparatorMask
{
    std::uint64_t low = 0, high = 0;
    constexpr AsciiSeparatorMask()
    {
        for (char16_t unit : SeparatorUnits) {
            if (unit < 64)
                low |= std::uint64_t{1} << unit;
            else if (unit < 128)
                high |= std::uint64_t{1} << (unit - 64);
        }
    }
};
constexpr AsciiSeparatorMask SeparatorMask;

} // namespace

bool isSeparator(char16_t unit)
{
    if (unit < 64)
        return ((SeparatorMask.low >> unit) & 1u) != 0;
    if (unit < 128)
        return ((SeparatorMask.high >> (unit - 64)) & 1u) != 0;
    return unit == 0x061F;
}

namespace detail {

namespace {

using Rule = ConversionRules::Rule;
using Match = ConversionRules::Match;

constexpr Rule units1(char16_t in, char16_t out)
{
    return {Match::Units, 1, {in, 0, 0}, 1, {out, 0}};
}
constexpr Rule units2(char16_t in0, char16_t in1, char16_t out)
{
    return {Match::Units, 2, {in0, in1, 0}, 1, {out, 0}};
}
constexpr Rule letterPair()
{
    return {Match::LetterPair, 1, {0, 0, 0}, 0, {0, 0}};
}

// Kurdish-font writing to Unicode, in the order the rules are tried. Anything no rule
// takes is copied unchanged.
constexpr Rule KurdishToUnicode[] = {
    units1(0x0629, 0x06D5), // ة -> ە: before the pairs, so no pair can take it
    letterPair(),
    units1(0x0636, 0x0686),                                           // ض -> چ
    units1(0x0637, 0x06AF),                                           // ط -> گ
    units1(0x062B, 0x067E),                                           // ث -> پ
    units1(0x0638, 0x06A4),                                           // ظ -> ڤ
    units1(0x0630, 0x0698),                                           // ذ -> ژ
    units1(0x0624, 0x06C6),                                           // ؤ -> ۆ
    units2(0x0648, 0x064E, 0x06C6),                                   // وَ -> ۆ
    units2(0x064A, 0x064E, 0x06CE),                                   // يَ -> ێ
    {Match::Units, 2, {0x0644, 0x0623, 0}, 2, {0x06B5, 0x0627}},      // لأ -> ڵا
    {Match::Units, 2, {0x0644, 0x0622, 0}, 2, {0x06B5, 0x0627}},      // لآ -> ڵا
    {Match::Units, 3, {0x0644, 0x0627, 0x064E}, 2, {0x06B5, 0x0627}}, // لاَ -> ڵا
    units2(0x0644, 0x064E, 0x06B5),                                   // لَ -> ڵ
    units2(0x0631, 0x0650, 0x0695),                                   // رِ -> ڕ
    units2(0x0649, 0x064E, 0x06CE),                                   // ىَ -> ێ
    {Match::UnitBeforeSeparator, 1, {0x064A, 0, 0}, 1, {0x0649, 0}},  // ي at a word's end -> ى
};

// Unicode to the Kurdish-font writing.
constexpr Rule UnicodeToKurdish[] = {
    units2(0x0647, 0x200C, 0x0629), // ه + ZWNJ -> ة: before the pairs
    letterPair(),
    units1(0x06D5, 0x0629),                                      // ە -> ة
    units1(0x0686, 0x0636),                                      // چ -> ض
    units1(0x06AF, 0x0637),                                      // گ -> ط
    units1(0x067E, 0x062B),                                      // پ -> ث
    units1(0x06A4, 0x0638),                                      // ڤ -> ظ
    units1(0x0698, 0x0630),                                      // ژ -> ذ
    units1(0x06CC, 0x064A),                                      // ی -> ي
    units1(0x06C6, 0x0624),                                      // ۆ -> ؤ
    {Match::Units, 1, {0x06CE, 0, 0}, 2, {0x064A, 0x064E}},      // ێ -> يَ
    {Match::Units, 2, {0x06B5, 0x0627, 0}, 2, {0x0644, 0x0622}}, // ڵا -> لآ
    {Match::Units, 1, {0x06B5, 0, 0}, 2, {0x0644, 0x064E}},      // ڵ -> لَ
    {Match::Units, 1, {0x0695, 0, 0}, 2, {0x0631, 0x0650}},      // ڕ -> رِ
    units1(0x06BE, 0x0647),                                      // ھ -> ه
    units1(0x0649, 0x064A),                                      // ى -> ي
};

template <std::size_t N> constexpr int countOf(const Rule (&)[N])
{
    return static_cast<int>(N);
}

} // namespace

PairLookup::PairLookup(const LetterPairs &pairs, Direction direction)
{
    const bool fromKurdish = direction == Direction::KurdishToUnicode;
    for (int k = 0; k < LetterPairs::PairCount; ++k) {
        const QString &from = fromKurdish ? pairs.kurdishFont(k) : pairs.unicode(k);
        const QString &to = fromKurdish ? pairs.unicode(k) : pairs.kurdishFont(k);
        // Only a box of exactly one unit can equal the one unit at the position.
        if (from.size() != 1)
            continue;
        const char16_t unit = from.at(0).unicode();
        m_from[static_cast<std::size_t>(m_count)] = unit;
        m_to[static_cast<std::size_t>(m_count)] = QStringView(to);
        ++m_count;
        m_filter |= std::uint64_t{1} << (unit & 63u);
        if (to.size() > m_longestOutput)
            m_longestOutput = to.size();
    }
}

const ConversionRules::Page ConversionRules::CopyPage = [] {
    Page page{};
    for (Entry &entry : page)
        entry = {0, 0, 1, Kind::Fixed};
    return page;
}();

const ConversionRules &ConversionRules::of(Direction direction)
{
    static const ConversionRules kurdishToUnicode(KurdishToUnicode, countOf(KurdishToUnicode));
    static const ConversionRules unicodeToKurdish(UnicodeToKurdish, countOf(UnicodeToKurdish));
    return direction == Direction::KurdishToUnicode ? kurdishToUnicode : unicodeToKurdish;
}

ConversionRules::ConversionRules(const Rule *rules, int count) : m_rules(rules)
{
    int pairRule = count;
    for (int i = 0; i < count; ++i) {
        if (rules[i].match == Match::LetterPair)
            pairRule = i;
    }
    std::uint8_t next = 0;
    for (int low = 0; low < 256; ++low) {
        Bucket &bucket = m_buckets[static_cast<std::size_t>(low)];
        const auto collect = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const Rule &rule = rules[i];
                // Every built-in rule starts with a letter of the Arabic block U+06xx.
                Q_ASSERT(rule.match == Match::LetterPair || (rule.input[0] >> 8) == 0x06);
                if (rule.match != Match::LetterPair && (rule.input[0] & 0xFF) == low) {
                    Q_ASSERT(next < MaxIndexes);
                    m_indexes[next++] = static_cast<std::uint8_t>(i);
                }
            }
        };
        bucket.beforeBegin = next;
        collect(0, pairRule);
        bucket.beforeEnd = bucket.afterBegin = next;
        collect(pairRule + 1, count);
        bucket.afterEnd = next;

        setNextFilter(bucket);

        Entry &entry = m_arabicPage[static_cast<std::size_t>(low)];
        const auto unit = static_cast<char16_t>(0x0600 | low);
        entry = {0, 0, 1, Kind::Fixed};
        if (bucket.beforeBegin == bucket.afterEnd)
            continue;
        // A one-unit rule always matches once its unit is there, so the rules behind it in
        // its bucket never get a turn.
        const Rule &first = rules[m_indexes[bucket.beforeBegin]];
        if (first.match == Match::Units && first.inputLength == 1) {
            entry.firstXor = static_cast<char16_t>(unit ^ first.output[0]);
            entry.second = first.output[1];
            entry.outputLength = first.outputLength;
            entry.kind = bucket.beforeBegin != bucket.beforeEnd ? Kind::FixedOverPairs : Kind::Fixed;
        } else {
            entry.kind = Kind::Rules;
        }
    }
}

void ConversionRules::setNextFilter(Bucket &bucket) const
{
    char16_t base = 0xFFFF;
    for (int i = bucket.beforeBegin; i < bucket.afterEnd; ++i) {
        const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
        if (rule.match == Match::UnitBeforeSeparator)
            bucket.wantsSeparator = true;
        else if (rule.inputLength == 1)
            return; // always matches: no filter
        else if (rule.input[1] < base)
            base = rule.input[1];
    }
    for (int i = bucket.beforeBegin; i < bucket.afterEnd; ++i) {
        const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
        if (rule.match != Match::Units)
            continue;
        const int offset = rule.input[1] - base;
        if (offset >= 64)
            return;
        bucket.nextBits |= std::uint64_t{1} << offset;
    }
    bucket.nextBase = base;
    bucket.filtered = true;
}

namespace {

// Applies `rule` at `pos` when it matches; returns the units consumed, 0 when it does not.
// The first input unit is known to match already.
inline qsizetype apply(const Rule &rule, const char16_t *source, qsizetype size, qsizetype pos, RunKind kind,
                       char16_t *&out)
{
    if (rule.match == Match::UnitBeforeSeparator) {
        if (pos + 1 < size) {
            if (!isSeparator(source[pos + 1]))
                return 0;
            out[0] = rule.output[0];
            out[1] = source[pos + 1]; // the separator itself, never converted
            out += 2;
            return 2;
        }
        // A selection ends inside a text, so its last unit counts as a word's end.
        if (kind != RunKind::Selection)
            return 0;
        *out++ = rule.output[0];
        return 1;
    }
    const qsizetype length = rule.inputLength;
    if (size - pos < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if (source[pos + i] != rule.input[static_cast<std::size_t>(i)])
            return 0;
    }
    out[0] = rule.output[0];
    out[1] = rule.output[1];
    out += rule.outputLength;
    return length;
}

inline bool applyPair(char16_t unit, const PairLookup &pairs, char16_t *&out)
{
    const QStringView *replacement = pairs.find(unit);
    if (replacement == nullptr)
        return false;
    const char16_t *units = replacement->utf16();
    for (qsizetype i = 0, n = replacement->size(); i < n; ++i)
        *out++ = units[i];
    return true;
}

} // namespace

template <bool WithPairs>
qsizetype ConversionRules::slowStep(char16_t unit, const char16_t *source, qsizetype size, qsizetype pos,
                                    const PairLookup &pairs, RunKind kind, char16_t *&out) const
{
    const Bucket &bucket = m_buckets[unit & 0xFFu];
    if (bucket.filtered && pos + 1 < size) {
        const char16_t next = source[pos + 1];
        const unsigned offset = static_cast<unsigned>(next) - bucket.nextBase;
        const bool wanted = (offset < 64 && ((bucket.nextBits >> offset) & 1u) != 0) ||
                            (bucket.wantsSeparator && isSeparator(next));
        if (!wanted) {
            if (!WithPairs || !applyPair(unit, pairs, out))
                *out++ = unit;
            return 1;
        }
    }
    for (int i = bucket.beforeBegin; i < bucket.beforeEnd; ++i) {
        if (const qsizetype consumed =
                apply(m_rules[m_indexes[static_cast<std::size_t>(i)]], source, size, pos, kind, out))
            return consumed;
    }
    if (WithPairs && applyPair(unit, pairs, out))
        return 1;
    for (int i = bucket.afterBegin; i < bucket.afterEnd; ++i) {
        if (const qsizetype consumed =
                apply(m_rules[m_indexes[static_cast<std::size_t>(i)]], source, size, pos, kind, out))
            return consumed;
    }
    *out++ = unit;
    return 1;
}

template <bool WithPairs>
qsizetype ConversionRules::runWith(const char16_t *source, qsizetype size, qsizetype pos,
                                   qsizetype stopBefore, qsizetype maxSteps, qsizetype &steps,
                                   const PairLookup &pairs, RunKind kind, UnitWriter &out) const
{
    const qsizetype room =
        pairs.longestOutput() > LongestBuiltinOutput ? pairs.longestOutput() : LongestBuiltinOutput;
    qsizetype taken = 0;
    while (pos < stopBefore && taken < maxSteps) {
        // Room for a whole batch of steps at once keeps the capacity test out of the loop.
        out.makeRoom(room * 256);
        qsizetype batch = out.room() / room;
        if (batch > maxSteps - taken)
            batch = maxSteps - taken;
        char16_t *w = out.cursor();
        const qsizetype batchEnd = taken + batch;
        for (; taken < batchEnd && pos < stopBefore; ++taken) {
            const char16_t unit = source[pos];
            const Entry &entry = (unit >> 8) == 0x06 ? m_arabicPage[unit & 0xFFu] : CopyPage[unit & 0xFFu];
            if (entry.kind == Kind::Rules) {
                pos += slowStep<WithPairs>(unit, source, size, pos, pairs, kind, w);
                continue;
            }
            ++pos;
            if (WithPairs && entry.kind == Kind::Fixed && applyPair(unit, pairs, w))
                continue;
            w[0] = static_cast<char16_t>(unit ^ entry.firstXor);
            w[1] = entry.second;
            w += entry.outputLength;
        }
        out.setCursor(w);
    }
    steps += taken;
    return pos;
}

qsizetype ConversionRules::run(const char16_t *source, qsizetype size, qsizetype pos, qsizetype stopBefore,
                               qsizetype maxSteps, qsizetype &steps, const PairLookup &pairs, RunKind kind,
                               UnitWriter &out) const
{
    if (pairs.isEmpty())
        return runWith<false>(source, size, pos, stopBefore, maxSteps, steps, pairs, kind, out);
    return runWith<true>(source, size, pos, stopBefore, maxSteps, steps, pairs, kind, out);
}

} // namespace detail
} // namespace pirtok
