// Ali-K, the most common legacy writing (typed on the Arabic layout): every ە is written
// ة, so every ه is the consonant h. Within a first letter, longer rows come first.

#include "convert/core/tables/RuleTables.h"

namespace pirtok::tables {

namespace {

using namespace rows;

constexpr Rule ToUnicode[] = {
    map(0x0629, 0x06D5),                          // ة -> ە, inside words too
    map3(0x0644, 0x0627, 0x064E, 0x06B5, 0x0627), // لاَ -> ڵا
    map3(0x0644, 0x0627, 0x064B, 0x06B5, 0x0627), // لاً -> ڵا
    map2(0x0644, 0x0622, 0x06B5, 0x0627),         // لآ -> ڵا
    map2(0x0644, 0x064E, 0x06B5),                 // لَ -> ڵ
    map2(0x0644, 0x064B, 0x06B5),                 // لً -> ڵ
    map2(0x0644, 0x0623, 0x06B5),                 // لأ -> ڵ
    map(0x0636, 0x0686),                          // ض -> چ
    map(0x062B, 0x067E),                          // ث -> پ
    map(0x0638, 0x06A4),                          // ظ -> ڤ
    map(0x0637, 0x06AF),                          // ط -> گ
    map(0x0630, 0x0698),                          // ذ -> ژ
    map2(0x064A, 0x064E, 0x06CE),                 // يَ -> ێ
    map2(0x0649, 0x064E, 0x06CE),                 // ىَ -> ێ
    map2(0x06CC, 0x064E, 0x06CE),                 // یَ -> ێ
    map(0x0622, 0x06CE),                          // آ (not after ل) -> ێ
    map2(0x0631, 0x0650, 0x0695),                 // رِ -> ڕ
    map(0x0624, 0x06C6),                          // ؤ -> ۆ
    map2(0x0648, 0x064E, 0x06C6),                 // وَ -> ۆ
    map(0x0621, 0x0648),                          // ء -> و: the glued "and"
    map(0x0643, 0x06A9),                          // ك -> ک
    map(0x064A, 0x06CC),                          // ي -> ی
    map(0x0649, 0x06CC),                          // ى -> ی
    drop(0x0650),                                 // a kasra left over from the pairs
};

constexpr Rule FromUnicode[] = {
    map2(0x0647, 0x200C, 0x0629),         // ه + ZWNJ -> ة
    map(0x06D5, 0x0629),                  // ە -> ة
    map(0x0686, 0x0636),                  // چ -> ض
    map(0x06AF, 0x0637),                  // گ -> ط
    map(0x067E, 0x062B),                  // پ -> ث
    map(0x06A4, 0x0638),                  // ڤ -> ظ
    map(0x0698, 0x0630),                  // ژ -> ذ
    map(0x06CC, 0x064A),                  // ی -> ي
    map(0x06C6, 0x0624),                  // ۆ -> ؤ
    map(0x06CE, 0x064A, 0x064E),          // ێ -> يَ
    map2(0x06B5, 0x0627, 0x0644, 0x0622), // ڵا -> لآ
    map(0x06B5, 0x0644, 0x064E),          // ڵ -> لَ
    map(0x0695, 0x0631, 0x0650),          // ڕ -> رِ
    map(0x06BE, 0x0647),                  // ھ -> ه
    map(0x0649, 0x064A),                  // ى -> ي
    map(0x06A9, 0x0643),                  // ک -> ك: real Ali-K text has no ک
};

} // namespace

const RuleTable AliKToUnicode = tableOf(ToUnicode);
const RuleTable UnicodeToAliK = tableOf(FromUnicode);

} // namespace pirtok::tables
