#pragma once

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/UnitWriter.h"

#include <QStringView>

#include <array>
#include <cstdint>

namespace pirtok::detail {

// The letter pairs as one direction reads them: a source unit each pair reacts to, and the
// text that replaces it. Built once per text or per tick, not per character.
class PairLookup
{
public:
    PairLookup(const LetterPairs &pairs, Direction direction);

    // The replacement for `unit`, or nullptr when no pair takes it. The upper row wins.
    const QStringView *find(char16_t unit) const
    {
        if (((m_filter >> (unit & 63u)) & 1u) == 0)
            return nullptr;
        for (int i = 0; i < m_count; ++i) {
            if (m_from[i] == unit)
                return &m_to[i];
        }
        return nullptr;
    }
    qsizetype longestOutput() const { return m_longestOutput; }
    bool isEmpty() const { return m_count == 0; }

private:
    std::array<char16_t, LetterPairs::PairCount> m_from{};
    std::array<QStringView, LetterPairs::PairCount> m_to{};
    int m_count = 0;
    std::uint64_t m_filter = 0; // one bit per (unit mod 64) of m_from: most units skip the loop
    qsizetype m_longestOutput = 0;
};

// The ordered rule table of one direction, indexed by the first unit a rule needs, so that
// a step looks only at the rules that can match and most units are copied after one test.
class ConversionRules
{
public:
    static const ConversionRules &of(Direction direction);

    // Steps from `pos` while pos < stopBefore and fewer than maxSteps steps were taken.
    // A step may read up to MaxLookahead units ahead but never at or past `size`.
    // Returns the position after the last step; adds the steps taken to `steps`.
    qsizetype run(const char16_t *source, qsizetype size, qsizetype pos, qsizetype stopBefore,
                  qsizetype maxSteps, qsizetype &steps, const PairLookup &pairs, RunKind kind,
                  UnitWriter &out) const;

    // The most units one built-in rule appends.
    static constexpr qsizetype LongestBuiltinOutput = 2;

    enum class Match : std::uint8_t
    {
        Units,               // the input units, in order
        LetterPair,          // the one unit at the position equals a pair's source box
        UnitBeforeSeparator, // the unit, then a separator (or the end of a selection run)
    };
    struct Rule
    {
        Match match;
        std::uint8_t inputLength;
        std::array<char16_t, 3> input;
        std::uint8_t outputLength;
        std::array<char16_t, 2> output;
    };

private:
    ConversionRules(const Rule *rules, int count);
    template <bool WithPairs>
    qsizetype runWith(const char16_t *source, qsizetype size, qsizetype pos, qsizetype stopBefore,
                      qsizetype maxSteps, qsizetype &steps, const PairLookup &pairs, RunKind kind,
                      UnitWriter &out) const;
    template <bool WithPairs>
    qsizetype slowStep(char16_t unit, const char16_t *source, qsizetype size, qsizetype pos,
                       const PairLookup &pairs, RunKind kind, char16_t *&out) const;

    // Rules whose first input unit is U+06xx, by the low byte, in table order, split at the
    // letter-pair rule: `before` rules are tried before the pairs, `after` rules after them.
    struct Bucket
    {
        std::uint8_t beforeBegin = 0, beforeEnd = 0, afterBegin = 0, afterEnd = 0;
        // A quick no for the next unit: bit (next - nextBase) for each second unit a rule
        // wants, plus whether a rule wants a separator. Without a filter every test passes.
        bool filtered = false;
        bool wantsSeparator = false;
        char16_t nextBase = 0;
        std::uint64_t nextBits = 0;
    };
    static constexpr int MaxIndexes = 32;
    void setNextFilter(Bucket &bucket) const;

    // What a unit does when its first rule needs no look-ahead (or it has no rule): a fixed
    // output. Derived from the table, so that the step of most units is one look-up.
    enum class Kind : std::uint8_t
    {
        Fixed,          // the fixed output, unless a letter pair takes the unit first
        FixedOverPairs, // the fixed output; its rule comes before the pairs
        Rules,          // the bucket's rules must look further
    };
    struct Entry
    {
        char16_t firstXor; // the first output unit is the source unit XOR this: 0 copies
        char16_t second;   // the second output unit, written always, kept if outputLength is 2
        std::uint8_t outputLength;
        Kind kind;
    };
    using Page = std::array<Entry, 256>;
    // Every built-in rule starts in U+06xx; every other unit is copied through one shared
    // page of zeros.
    static const Page CopyPage;

    const Rule *m_rules;
    std::array<Bucket, 256> m_buckets{};
    Page m_arabicPage{};
    std::array<std::uint8_t, MaxIndexes> m_indexes{};
};

} // namespace pirtok::detail
