#pragma once

#include "convert/core/Direction.h"
#include "convert/core/Family.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/Rule.h"
#include "convert/core/UnitWriter.h"

#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

namespace pirtok::detail {

// What one source unit does when no rule needs to look past it: a fixed output of up to
// two units. `lookBit` names the look-ahead group of the unit's rules; the step looks
// further only when the next unit's `wantedBy` has that bit, so most units of a group
// (a و before a letter) are decided without a branch that depends on the text.
struct UnitAction
{
    char16_t firstXor = 0; // the first output unit is the source unit XOR this: 0 copies
    char16_t second = 0;   // the second output unit, written always, kept if length is 2
    std::uint8_t length = 1;
    std::uint8_t lookBit = 0;  // 0: the fixed output is always right
    std::uint8_t wantedBy = 0; // groups whose rules may take this unit as the next one
    std::uint8_t slot = 0;     // which next unit it is to the groups that want it; 0: none
};
using ActionPage = std::array<UnitAction, 256>;
// The action of unit u is (*pages[u >> 8])[u & 0xFF].
using ActionPages = std::array<const ActionPage *, 256>;

// Every unit wants the careful step of a unit whose action carries this bit (and no other).
inline constexpr std::uint8_t AlwaysLookBit = 0x80;

class ConversionRules;

// The letter pairs as one direction reads them, merged with its rules into the actions of
// the units they touch. Built once per text or per tick, not per character.
class PairLookup
{
public:
    // The window's own writing, whose tables take the pairs.
    PairLookup(const LetterPairs &pairs, Direction direction);
    // Pairs only reach rules that have a letter-pair row; for the others they are ignored.
    PairLookup(const LetterPairs &pairs, Direction direction, const ConversionRules &rules);
    // The pages point into the object itself.
    PairLookup(const PairLookup &) = delete;
    PairLookup &operator=(const PairLookup &) = delete;

    // The replacement for `unit`, or nullptr when no pair takes it. The upper row wins.
    const QStringView *find(char16_t unit) const
    {
        for (int i = 0; i < m_count; ++i) {
            if (m_from[i] == unit)
                return &m_to[i];
        }
        return nullptr;
    }
    qsizetype longestOutput() const { return m_longestOutput; }
    const ActionPages &pages() const { return *m_pages; }

private:
    std::array<char16_t, LetterPairs::PairCount> m_from{};
    std::array<QStringView, LetterPairs::PairCount> m_to{};
    int m_count = 0;
    qsizetype m_longestOutput = 0;
    const ActionPages *m_pages = nullptr; // the direction's own pages when there are no pairs
    ActionPages m_ownPages{};
    std::vector<ActionPage> m_copies; // the pages a pair changes
};

// The ordered rule table of one writing's direction, indexed by the first unit a rule needs, so that
// a step looks only at the rules that can match and most units are copied after one look-up.
class ConversionRules
{
public:
    // The window's own writing.
    static const ConversionRules &of(Direction direction);
    // `family` must have a rule table.
    static const ConversionRules &of(Family family, Direction direction);

    // Steps from `pos` while pos < stopBefore and fewer than maxSteps steps were taken.
    // A step may read up to MaxLookahead units ahead but never at or past `size`.
    // Returns the position after the last step; adds the steps taken to `steps`.
    qsizetype run(const char16_t *source, qsizetype size, qsizetype pos, qsizetype stopBefore,
                  qsizetype maxSteps, qsizetype &steps, const PairLookup &pairs, RunKind kind,
                  UnitWriter &out) const;

    // The most units one built-in rule appends.
    static constexpr qsizetype LongestBuiltinOutput = 2;

    using Rule = pirtok::Rule;
    using Match = Rule::Match;

    // Whether the table has a letter-pair row.
    bool takesPairs() const { return m_takesPairs; }
    const ActionPages &pages() const { return m_pages; }
    // The action of `unit` once `replacement` (a pair's text, or nullptr for none) takes
    // part in its rules.
    UnitAction actionWithPair(char16_t unit, const QStringView *replacement) const;

private:
    // The step of a group's unit before a next unit that the group wants, when the two
    // decide it: `consumed` 2 with the output (the next unit itself where nextMask is
    // all ones, for a separator), 1 when the unit's own action holds, 0 when only the
    // careful step can tell (a third unit decides, or a letter pair takes part).
    struct FollowStep
    {
        char16_t first = 0;
        char16_t second = 0;
        char16_t nextMask = 0;
        std::uint8_t length = 0;
        std::uint8_t consumed = 1;
    };
    // Rows: seven groups, AlwaysLookBit's, and units without a group.
    static constexpr int FollowRows = 9;
    static constexpr int Slots = 32;
    static int followRow(std::uint8_t lookBit) { return __builtin_ctz(lookBit | 0x100u); }

    explicit ConversionRules(RuleTable table);
    void buildActions();
    void buildFollowSteps(const std::vector<char16_t> &slotUnits);
    // A step's source units consumed and the output cursor after it, in registers.
    struct Stepped
    {
        qsizetype consumed;
        char16_t *out;
    };
    Stepped careful(char16_t unit, const char16_t *source, qsizetype size, qsizetype pos,
                    const PairLookup &pairs, RunKind kind, char16_t *out) const;

    // Rules whose first input unit is U+06xx, by the low byte, in table order, split at the
    // letter-pair rule: `before` rules are tried before the pairs, `after` rules after them.
    struct Bucket
    {
        std::uint8_t beforeBegin = 0, beforeEnd = 0, afterBegin = 0, afterEnd = 0;
    };
    static constexpr int MaxIndexes = 32;

    const Rule *m_rules;
    bool m_takesPairs = false;
    std::array<Bucket, 256> m_buckets{};
    std::array<std::uint8_t, MaxIndexes> m_indexes{};
    std::array<std::uint8_t, 256> m_lookBits{}; // per bucket: its look-ahead group, or 0

    std::array<FollowStep, FollowRows * Slots> m_follow{};

    ActionPages m_pages{};
    std::vector<ActionPage> m_ownPages; // the pages a rule or a separator touches
};

} // namespace pirtok::detail
