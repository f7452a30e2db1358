#pragma once

#include <QStringView>

#include <optional>

// Numbers read back from stored texts. Both round to the nearest integer, an exact half to
// the even neighbour, and fail outside the range of a 16-bit signed integer.
namespace StoredNumber {

inline constexpr int Minimum = -32768;
inline constexpr int Maximum = 32767;

// The number at the start of the text after leading spaces; reading stops at the first
// character that cannot continue it. A text that starts with no number reads as 0.
std::optional<int> numericReading(QStringView text);

// The whole text, spaces around it aside, must be a number; anything else fails.
std::optional<int> integerConversion(QStringView text);

} // namespace StoredNumber
