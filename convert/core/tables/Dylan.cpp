// Dylan (the K-Dylan fonts): پ چ گ ژ are real Unicode letters here and stay.

#include "convert/core/tables/RuleTables.h"

namespace pirtok::tables {

namespace {

using namespace rows;

constexpr Rule ToUnicode[] = {
    map(0x0629, 0x06D5),                  // ة -> ە
    map(0x062B, 0x06CE),                  // ث -> ێ
    map(0x0635, 0x06B5),                  // ص -> ڵ
    map(0x0630, 0x0695),                  // ذ -> ڕ
    map(0x0636, 0x06A4),                  // ض -> ڤ
    map2(0x0644, 0x0625, 0x06B5, 0x0627), // لإ -> ڵا
    map2(0x0644, 0x0623, 0x06B5, 0x0627), // لأ -> ڵا
    map2(0x0644, 0x0622, 0x06B5, 0x0627), // لآ -> ڵا
    map(0x0624, 0x06C6),                  // ؤ -> ۆ
    map2(0x0648, 0x064E, 0x06C6),         // وَ -> ۆ
    map(0x0643, 0x06A9),                  // ك -> ک
    map(0x064A, 0x06CC),                  // ي -> ی
    map(0x0649, 0x06CC),                  // ى -> ی
};

constexpr Rule FromUnicode[] = {
    map2(0x0647, 0x200C, 0x0629),         // ه + ZWNJ -> ة
    map(0x06D5, 0x0629),                  // ە -> ة
    map(0x06CE, 0x062B),                  // ێ -> ث
    map2(0x06B5, 0x0627, 0x0644, 0x0622), // ڵا -> لآ
    map(0x06B5, 0x0635),                  // ڵ -> ص
    map(0x0695, 0x0630),                  // ڕ -> ذ
    map(0x06A4, 0x0636),                  // ڤ -> ض
    map(0x06C6, 0x0624),                  // ۆ -> ؤ
    map(0x06A9, 0x0643),                  // ک -> ك
    map(0x06CC, 0x064A),                  // ی -> ي
};

} // namespace

const RuleTable DylanToUnicode = tableOf(ToUnicode);
const RuleTable UnicodeToDylan = tableOf(FromUnicode);

} // namespace pirtok::tables
