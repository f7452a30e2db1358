#pragma once

#include <array>
#include <cstdint>

namespace pirtok {

// One row of a rule table. A table is tried row by row at each position; the first row
// that matches writes its output and consumes its input. Anything no row takes is copied.
struct Rule
{
    enum class Match : std::uint8_t
    {
        Units,               // the input units, in order
        LetterPair,          // the one unit at the position equals a pair's source box
        UnitBeforeSeparator, // the unit, then a separator (or the end of a selection run)
    };
    Match match;
    std::uint8_t inputLength;
    std::array<char16_t, 3> input;
    std::uint8_t outputLength; // 0 removes the input
    std::array<char16_t, 2> output;
};

// The rows of one direction of one writing, in the order they are tried.
struct RuleTable
{
    const Rule *rows;
    int count;
};

template <std::size_t N> constexpr RuleTable tableOf(const Rule (&rows)[N])
{
    return {rows, static_cast<int>(N)};
}

// The shapes of rows, so that a table reads as a list of "these units become those".
namespace rows {

constexpr Rule map(char16_t in, char16_t out)
{
    return {Rule::Match::Units, 1, {in, 0, 0}, 1, {out, 0}};
}
constexpr Rule map(char16_t in, char16_t out0, char16_t out1)
{
    return {Rule::Match::Units, 1, {in, 0, 0}, 2, {out0, out1}};
}
constexpr Rule map2(char16_t in0, char16_t in1, char16_t out)
{
    return {Rule::Match::Units, 2, {in0, in1, 0}, 1, {out, 0}};
}
constexpr Rule map2(char16_t in0, char16_t in1, char16_t out0, char16_t out1)
{
    return {Rule::Match::Units, 2, {in0, in1, 0}, 2, {out0, out1}};
}
constexpr Rule map3(char16_t in0, char16_t in1, char16_t in2, char16_t out0, char16_t out1)
{
    return {Rule::Match::Units, 3, {in0, in1, in2}, 2, {out0, out1}};
}
constexpr Rule drop(char16_t in)
{
    return {Rule::Match::Units, 1, {in, 0, 0}, 0, {0, 0}};
}
constexpr Rule letterPair()
{
    return {Rule::Match::LetterPair, 1, {0, 0, 0}, 0, {0, 0}};
}
constexpr Rule beforeSeparator(char16_t in, char16_t out)
{
    return {Rule::Match::UnitBeforeSeparator, 1, {in, 0, 0}, 1, {out, 0}};
}

} // namespace rows

} // namespace pirtok
