#pragma once

#include <array>
#include <optional>

namespace pirtok {

// One key of the typing block, found by its position: the X11 key code (evdev code + 8) that
// the platform reports as the native scan code, the character the US layout prints on it, and
// the two levels of the Arabic (101) layout on the same key.
struct ArabicKeyPosition
{
    unsigned scanCode;
    char latin;       // US layout, unshifted; its upper case for letters names the Qt key
    char16_t plain;   // Arabic layout, unshifted
    char16_t shifted; // Arabic layout, with Shift
};

extern const std::array<ArabicKeyPosition, 34> ArabicKeyPositions;

// The key at `scanCode`, or nothing for a key outside the table (digits, space, the
// function and caret keys, a code the platform did not report).
std::optional<ArabicKeyPosition> arabicKeyAt(unsigned scanCode);

// The character the Arabic layout gives on the key at `scanCode`, or nothing.
std::optional<char16_t> arabicCharacterAt(unsigned scanCode, bool shift);

// Whether `code` belongs to the Arabic script (letters, marks, digits, presentation forms),
// so that a layout producing it is already an Arabic one.
bool isArabicScript(char16_t code);

} // namespace pirtok
