#pragma once

#include <array>
#include <utility>

namespace pirtok {

// The Kurdish keyboard laid over the Arabic layout: the letters Sorani does not need give
// the Kurdish letters, and characters Kurdish text does not need give the displaced
// Arabic letters back. Input code unit, output code unit.
using KeyMapping = std::pair<char16_t, char16_t>;
extern const std::array<KeyMapping, 19> KurdishKeyMap;

// The map's output for `code`, or `code` itself. One lookup only: the output is never
// looked up again, so "}" gives U+0624 and not U+06C6.
char16_t TranslateKey(char16_t code);

} // namespace pirtok
