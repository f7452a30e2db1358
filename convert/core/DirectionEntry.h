#pragma once

#include "convert/core/Direction.h"
#include "convert/core/Family.h"

#include <array>
#include <optional>

namespace pirtok {

// What an entry of the window's direction list converts: 0 and 1 are the window's own
// writing both ways; the later ones read a legacy writing (or detect it line by line, or
// take Unicode as it is) and write standard Sorani, and the last writes Ali-K.
struct DirectionEntry
{
    Family family;
    Direction direction;
    bool standard;
};

inline constexpr std::array<DirectionEntry, 9> DirectionEntries{{
    {Family::KurdishFont, Direction::KurdishToUnicode, false},
    {Family::KurdishFont, Direction::UnicodeToKurdish, false},
    {Family::AliK, Direction::KurdishToUnicode, true},
    {Family::AliWeb, Direction::KurdishToUnicode, true},
    {Family::Dylan, Direction::KurdishToUnicode, true},
    {Family::Zarnegar, Direction::KurdishToUnicode, true},
    {Family::Auto, Direction::KurdishToUnicode, true},
    {Family::Unicode, Direction::KurdishToUnicode, true},
    {Family::AliK, Direction::UnicodeToKurdish, false},
}};

// The entry at `listIndex`, or none (no entry chosen: -1, or a stored index of no entry).
inline std::optional<DirectionEntry> directionEntry(int listIndex)
{
    if (listIndex < 0 || listIndex >= static_cast<int>(DirectionEntries.size()))
        return std::nullopt;
    return DirectionEntries[static_cast<std::size_t>(listIndex)];
}

} // namespace pirtok
