#pragma once

#include <array>
#include <cstddef>

namespace pirtok {

inline constexpr std::size_t CodeUnitCount = 0x10000;
using CodeUnitTable = std::array<char16_t, CodeUnitCount>;

// Every code unit's upper case within the basic plane, built once: search looks each unit
// of a long text up here rather than asking the case mapping again.
const CodeUnitTable &upperCaseTable();

} // namespace pirtok
