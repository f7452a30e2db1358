#pragma once

#include <array>

// The keyboard diagram of the help picture, one row of the table a key, rows top to bottom
// and keys left to right. A key shows what the Kurdish keyboard types on it; for the keys
// of letters, `arabic` is what the Arabic layout types there, which the Kurdish keyboard
// translates into the caption.
namespace HelpKeys {

struct Key
{
    int row;                          // 0 = the digits, 4 = the space bar's row
    double width;                     // in key units
    const char16_t *caption;          // nullptr: an empty place between keys
    const char16_t *arabic = nullptr; // nullptr: a digit, a name or an arrow
};

// A letter reached with Shift, drawn as "letter = key + shft".
struct ShiftedLetter
{
    const char16_t *letter;
    const char16_t *key;    // the caption of the key it lies on
    char16_t arabicShifted; // what the Arabic layout types with Shift on that key
};

inline constexpr int RowCount = 5;
inline constexpr double RowUnits = 15; // every row is fifteen keys wide

extern const std::array<Key, 63> Keys;
extern const std::array<ShiftedLetter, 2> ShiftedLetters;

} // namespace HelpKeys
