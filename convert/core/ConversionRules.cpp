#include "convert/core/ConversionRules.h"

#include "convert/core/ConversionEngine.h"
#include "convert/core/tables/RuleTables.h"

#include <iterator>
#include <vector>

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

} // namespace

namespace {

// Units no rule and no separator touches: copied, and wanted only by the careful step.
const ActionPage CopyPage = [] {
    ActionPage page{};
    for (UnitAction &action : page)
        action.wantedBy = AlwaysLookBit;
    return page;
}();

inline const UnitAction &actionOf(const ActionPages &pages, char16_t unit)
{
    return (*pages[unit >> 8])[unit & 0xFFu];
}

inline UnitAction &actionIn(ActionPage &page, char16_t unit)
{
    return page[unit & 0xFFu];
}

// The fixed output `units` as an action of `unit`; an output too long for one action
// sends the unit to the careful step.
void setOutput(UnitAction &action, char16_t unit, const char16_t *units, qsizetype length)
{
    if (length > ConversionRules::LongestBuiltinOutput) {
        action.lookBit = AlwaysLookBit;
        return;
    }
    action.firstXor = length > 0 ? static_cast<char16_t>(unit ^ units[0]) : 0;
    action.second = length > 1 ? units[1] : 0;
    action.length = static_cast<std::uint8_t>(length);
}

} // namespace

PairLookup::PairLookup(const LetterPairs &pairs, Direction direction)
    : PairLookup(pairs, direction, ConversionRules::of(direction))
{
}

PairLookup::PairLookup(const LetterPairs &pairs, Direction direction, const ConversionRules &rules)
{
    m_pages = &rules.pages();
    if (!rules.takesPairs())
        return;
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
        if (to.size() > m_longestOutput)
            m_longestOutput = to.size();
    }
    if (m_count == 0)
        return;
    // A pair changes the action of its unit only: copy the pages of the pairs' units.
    m_ownPages = rules.pages();
    m_copies.reserve(LetterPairs::PairCount); // the pages point into it: no reallocation
    for (int i = 0; i < m_count; ++i) {
        const char16_t unit = m_from[static_cast<std::size_t>(i)];
        const ActionPage *&page = m_ownPages[unit >> 8];
        if (page == rules.pages()[unit >> 8]) {
            m_copies.push_back(*page);
            page = &m_copies.back();
        }
        actionIn(m_copies[static_cast<std::size_t>(page - m_copies.data())], unit) =
            rules.actionWithPair(unit, find(unit));
    }
    m_pages = &m_ownPages;
}

const ConversionRules &ConversionRules::of(Direction direction)
{
    return of(Family::KurdishFont, direction);
}

const ConversionRules &ConversionRules::of(Family family, Direction direction)
{
    // Built on first use, each once: a table's actions are a few pages.
    const auto build = [](Family f, Direction d) { return ConversionRules(ruleTable(f, d)); };
    static const ConversionRules kurdishFont[] = {build(Family::KurdishFont, Direction::KurdishToUnicode),
                                                  build(Family::KurdishFont, Direction::UnicodeToKurdish)};
    static const ConversionRules aliK[] = {build(Family::AliK, Direction::KurdishToUnicode),
                                           build(Family::AliK, Direction::UnicodeToKurdish)};
    static const ConversionRules aliWeb[] = {build(Family::AliWeb, Direction::KurdishToUnicode),
                                             build(Family::AliWeb, Direction::UnicodeToKurdish)};
    static const ConversionRules dylan[] = {build(Family::Dylan, Direction::KurdishToUnicode),
                                            build(Family::Dylan, Direction::UnicodeToKurdish)};
    static const ConversionRules zarnegar[] = {build(Family::Zarnegar, Direction::KurdishToUnicode),
                                               build(Family::Zarnegar, Direction::UnicodeToKurdish)};
    const auto index = static_cast<std::size_t>(direction);
    switch (family) {
    case Family::AliK:
        return aliK[index];
    case Family::AliWeb:
        return aliWeb[index];
    case Family::Dylan:
        return dylan[index];
    case Family::Zarnegar:
        return zarnegar[index];
    case Family::KurdishFont:
    case Family::Auto:
    case Family::Unicode:
        break;
    }
    return kurdishFont[index];
}

ConversionRules::ConversionRules(RuleTable table) : m_rules(table.rows)
{
    const Rule *rules = table.rows;
    const int count = table.count;
    int pairRule = count;
    for (int i = 0; i < count; ++i) {
        if (rules[i].match == Match::LetterPair) {
            pairRule = i;
            m_takesPairs = true;
        }
    }
    std::uint8_t next = 0;
    std::uint8_t nextLookBit = 1;
    for (int low = 0; low < 256; ++low) {
        Bucket &bucket = m_buckets[static_cast<std::size_t>(low)];
        bool looksAhead = false;
        const auto collect = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const Rule &rule = rules[i];
                // Every built-in rule starts with a letter of the Arabic block U+06xx.
                Q_ASSERT(rule.match == Match::LetterPair || (rule.input[0] >> 8) == 0x06);
                if (rule.match != Match::LetterPair && (rule.input[0] & 0xFF) == low) {
                    Q_ASSERT(next < MaxIndexes);
                    m_indexes[next++] = static_cast<std::uint8_t>(i);
                    looksAhead =
                        looksAhead || rule.match == Match::UnitBeforeSeparator || rule.inputLength > 1;
                }
            }
        };
        bucket.beforeBegin = next;
        collect(0, pairRule);
        bucket.beforeEnd = bucket.afterBegin = next;
        collect(pairRule + 1, count);
        bucket.afterEnd = next;
        if (looksAhead) {
            // Seven groups fit beside AlwaysLookBit; the tables have five at most.
            Q_ASSERT(nextLookBit < AlwaysLookBit);
            m_lookBits[static_cast<std::size_t>(low)] = nextLookBit;
            nextLookBit = static_cast<std::uint8_t>(nextLookBit << 1);
        }
    }
    buildActions();
}

void ConversionRules::buildActions()
{
    // A page of its own for every unit a rule starts with or looks at, and the separators.
    std::vector<char16_t> touched(std::begin(SeparatorUnits), std::end(SeparatorUnits));
    for (int i = 0; i < m_buckets.back().afterEnd; ++i) {
        const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
        touched.insert(touched.end(), rule.input.begin(), rule.input.begin() + rule.inputLength);
    }
    m_pages.fill(&CopyPage);
    std::array<int, 256> pageIndex;
    pageIndex.fill(-1);
    for (char16_t unit : touched) {
        if (pageIndex[unit >> 8] < 0) {
            pageIndex[unit >> 8] = static_cast<int>(m_ownPages.size());
            m_ownPages.push_back(CopyPage);
        }
    }
    const auto ownAction = [&](char16_t unit) -> UnitAction & {
        return actionIn(m_ownPages[static_cast<std::size_t>(pageIndex[unit >> 8])], unit);
    };
    for (std::size_t page = 0; page < pageIndex.size(); ++page) {
        if (pageIndex[page] >= 0)
            m_pages[page] = &m_ownPages[static_cast<std::size_t>(pageIndex[page])];
    }

    // Which groups may take a unit as their next one, and the unit's slot among them:
    // one for each second unit of a rule, one shared by the other separators.
    std::vector<char16_t> slotUnits{0};
    const auto giveSlot = [&](char16_t unit) {
        UnitAction &action = ownAction(unit);
        if (action.slot == 0) {
            Q_ASSERT(slotUnits.size() < Slots);
            action.slot = static_cast<std::uint8_t>(slotUnits.size());
            slotUnits.push_back(unit);
        }
    };
    bool separatorsWanted = false;
    for (int low = 0; low < 256; ++low) {
        const std::uint8_t bit = m_lookBits[static_cast<std::size_t>(low)];
        const Bucket &bucket = m_buckets[static_cast<std::size_t>(low)];
        for (int i = bucket.beforeBegin; bit != 0 && i < bucket.afterEnd; ++i) {
            const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
            if (rule.match == Match::UnitBeforeSeparator) {
                separatorsWanted = true;
                for (char16_t separator : SeparatorUnits)
                    ownAction(separator).wantedBy |= bit;
            } else if (rule.inputLength > 1) {
                ownAction(rule.input[1]).wantedBy |= bit;
                giveSlot(rule.input[1]);
            }
        }
    }
    if (separatorsWanted) {
        const auto shared = static_cast<std::uint8_t>(slotUnits.size());
        for (char16_t separator : SeparatorUnits) {
            UnitAction &action = ownAction(separator);
            if (action.slot == 0)
                action.slot = shared;
        }
        slotUnits.push_back(SeparatorUnits[0]); // stands for all of them
    }
    for (int low = 0; low < 256; ++low) {
        const auto unit = static_cast<char16_t>(0x0600 | low);
        ownAction(unit) = actionWithPair(unit, nullptr);
    }
    buildFollowSteps(slotUnits);
}

// What careful() does for each group's unit before each slot's unit, where two units are
// enough to tell.
void ConversionRules::buildFollowSteps(const std::vector<char16_t> &slotUnits)
{
    for (int slot = 0; slot < Slots; ++slot)
        m_follow[static_cast<std::size_t>(followRow(AlwaysLookBit) * Slots + slot)].consumed = 0;
    for (int low = 0; low < 256; ++low) {
        const std::uint8_t bit = m_lookBits[static_cast<std::size_t>(low)];
        if (bit == 0)
            continue;
        const Bucket &bucket = m_buckets[static_cast<std::size_t>(low)];
        for (std::size_t slot = 1; slot < slotUnits.size(); ++slot) {
            const char16_t next = slotUnits[slot];
            FollowStep &follow = m_follow[static_cast<std::size_t>(followRow(bit) * Slots) + slot];
            for (int i = bucket.beforeBegin; i < bucket.afterEnd; ++i) {
                const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
                if (rule.match == Match::UnitBeforeSeparator) {
                    if (!isSeparator(next))
                        continue;
                    follow = {rule.output[0], 0, 0xFFFF, 2, 2};
                } else if (rule.inputLength == 2) {
                    if (rule.input[1] != next)
                        continue;
                    follow = {rule.output[0], rule.output[1], 0, rule.outputLength, 2};
                } else if (rule.inputLength == 3) {
                    if (rule.input[1] != next)
                        continue;
                    follow.consumed = 0;
                }
                break; // a one-unit rule: the unit's own action
            }
        }
    }
}

UnitAction ConversionRules::actionWithPair(char16_t unit, const QStringView *replacement) const
{
    UnitAction action;
    action.wantedBy = actionOf(m_pages, unit).wantedBy;
    action.slot = actionOf(m_pages, unit).slot;
    const bool hasRules = (unit >> 8) == 0x06;
    const Bucket bucket = hasRules ? m_buckets[unit & 0xFFu] : Bucket{};
    bool looksAhead = false;
    // The rules in the order a step tries them, up to the first that needs nothing but
    // the unit itself: what comes before it may look ahead, and decides only if it does.
    const auto fixedRule = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            const Rule &rule = m_rules[m_indexes[static_cast<std::size_t>(i)]];
            if (rule.match == Match::Units && rule.inputLength == 1) {
                setOutput(action, unit, rule.output.data(), rule.outputLength);
                return true;
            }
            looksAhead = true;
        }
        return false;
    };
    if (!fixedRule(bucket.beforeBegin, bucket.beforeEnd)) {
        if (replacement != nullptr)
            setOutput(action, unit, replacement->utf16(), replacement->size());
        else
            fixedRule(bucket.afterBegin, bucket.afterEnd);
    }
    // The follow steps know the rules, not the pairs: where a pair takes part, or the
    // output is too long for an action, only the careful step can tell.
    if (looksAhead && action.lookBit == 0 && replacement == nullptr)
        action.lookBit = m_lookBits[unit & 0xFFu];
    else if (looksAhead)
        action.lookBit = AlwaysLookBit;
    return action;
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

// The step of a unit whose rules look ahead, tried rule by rule in table order.
ConversionRules::Stepped ConversionRules::careful(char16_t unit, const char16_t *source, qsizetype size,
                                                  qsizetype pos, const PairLookup &pairs, RunKind kind,
                                                  char16_t *out) const
{
    const Bucket bucket = (unit >> 8) == 0x06 ? m_buckets[unit & 0xFFu] : Bucket{};
    for (int i = bucket.beforeBegin; i < bucket.beforeEnd; ++i) {
        if (const qsizetype consumed =
                apply(m_rules[m_indexes[static_cast<std::size_t>(i)]], source, size, pos, kind, out))
            return {consumed, out};
    }
    if (applyPair(unit, pairs, out))
        return {1, out};
    for (int i = bucket.afterBegin; i < bucket.afterEnd; ++i) {
        if (const qsizetype consumed =
                apply(m_rules[m_indexes[static_cast<std::size_t>(i)]], source, size, pos, kind, out))
            return {consumed, out};
    }
    *out++ = unit;
    return {1, out};
}

qsizetype ConversionRules::run(const char16_t *source, qsizetype size, qsizetype pos, qsizetype stopBefore,
                               qsizetype maxSteps, qsizetype &steps, const PairLookup &pairs, RunKind kind,
                               UnitWriter &out) const
{
    const ActionPages &pages = pairs.pages();
    const qsizetype room =
        pairs.longestOutput() > LongestBuiltinOutput ? pairs.longestOutput() : LongestBuiltinOutput;
    // Below `lookable` every step has a next unit to look at; the text's last unit takes
    // the careful step, which knows how a text ends.
    const qsizetype lookable = stopBefore < size ? stopBefore : size - 1;
    qsizetype taken = 0;
    while (pos < stopBefore && taken < maxSteps) {
        // Room for a whole batch of steps at once keeps the capacity test out of the loop.
        out.makeRoom(room * 256);
        qsizetype batch = out.room() / room;
        if (batch > maxSteps - taken)
            batch = maxSteps - taken;
        char16_t *w = out.cursor();
        const qsizetype batchEnd = taken + batch;
        // The next unit's action is the following step's own: looked up once.
        const UnitAction *action = pos < lookable ? &actionOf(pages, source[pos]) : nullptr;
        for (; taken < batchEnd && pos < lookable; ++taken) {
            const char16_t unit = source[pos];
            const char16_t next = source[pos + 1];
            const UnitAction &nextAction = actionOf(pages, next);
            if ((action->lookBit & nextAction.wantedBy) == 0) {
                w[0] = static_cast<char16_t>(unit ^ action->firstXor);
                w[1] = action->second;
                w += action->length;
                ++pos;
                action = &nextAction;
                continue;
            }
            // A group that wants the next unit: the two decide, or the careful step does.
            const FollowStep &follow =
                m_follow[static_cast<std::size_t>(followRow(action->lookBit) * Slots + nextAction.slot)];
            if (follow.consumed == 0) {
                const Stepped stepped = careful(unit, source, size, pos, pairs, kind, w);
                pos += stepped.consumed;
                w = stepped.out;
            } else if (follow.consumed == 2) {
                w[0] = follow.first;
                w[1] = static_cast<char16_t>(follow.second | (next & follow.nextMask));
                w += follow.length;
                pos += 2;
            } else {
                w[0] = static_cast<char16_t>(unit ^ action->firstXor);
                w[1] = action->second;
                w += action->length;
                ++pos;
            }
            if (pos < size)
                action = &actionOf(pages, source[pos]);
        }
        if (taken < batchEnd && pos >= lookable && pos < stopBefore) {
            const Stepped stepped = careful(source[pos], source, size, pos, pairs, kind, w);
            pos += stepped.consumed;
            w = stepped.out;
            ++taken;
        }
        out.setCursor(w);
    }
    steps += taken;
    return pos;
}

} // namespace detail
} // namespace pirtok
