#pragma once

#include <optional>

namespace pirtok {

// The two ways a conversion can go; the values are the entries of the direction list.
enum class Direction
{
    KurdishToUnicode = 0,
    UnicodeToKurdish = 1
};

// The direction list's index names a direction only when it is 0 or 1.
inline std::optional<Direction> directionFromListIndex(int listIndex)
{
    switch (listIndex) {
    case 0:
        return Direction::KurdishToUnicode;
    case 1:
        return Direction::UnicodeToKurdish;
    default:
        return std::nullopt;
    }
}

// How a run ends its text: a selection run treats the end of its source like a separator.
enum class RunKind
{
    WholeText,
    Selection
};

} // namespace pirtok
