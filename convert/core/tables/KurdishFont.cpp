// The window's own Kurdish-font writing, with the user's letter pairs and the ending of a
// word in ي. These rows are the program's designed behaviour: they never change.

#include "convert/core/tables/RuleTables.h"

namespace pirtok::tables {

namespace {

using namespace rows;

constexpr Rule ToUnicode[] = {
    map(0x0629, 0x06D5), // ة -> ە: before the pairs, so no pair can take it
    letterPair(),
    map(0x0636, 0x0686),                          // ض -> چ
    map(0x0637, 0x06AF),                          // ط -> گ
    map(0x062B, 0x067E),                          // ث -> پ
    map(0x0638, 0x06A4),                          // ظ -> ڤ
    map(0x0630, 0x0698),                          // ذ -> ژ
    map(0x0624, 0x06C6),                          // ؤ -> ۆ
    map2(0x0648, 0x064E, 0x06C6),                 // وَ -> ۆ
    map2(0x064A, 0x064E, 0x06CE),                 // يَ -> ێ
    map2(0x0644, 0x0623, 0x06B5, 0x0627),         // لأ -> ڵا
    map2(0x0644, 0x0622, 0x06B5, 0x0627),         // لآ -> ڵا
    map3(0x0644, 0x0627, 0x064E, 0x06B5, 0x0627), // لاَ -> ڵا
    map2(0x0644, 0x064E, 0x06B5),                 // لَ -> ڵ
    map2(0x0631, 0x0650, 0x0695),                 // رِ -> ڕ
    map2(0x0649, 0x064E, 0x06CE),                 // ىَ -> ێ
    beforeSeparator(0x064A, 0x0649),              // ي at a word's end -> ى
};

constexpr Rule FromUnicode[] = {
    map2(0x0647, 0x200C, 0x0629), // ه + ZWNJ -> ة: before the pairs
    letterPair(),
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
};

} // namespace

const RuleTable KurdishFontToUnicode = tableOf(ToUnicode);
const RuleTable UnicodeToKurdishFont = tableOf(FromUnicode);

} // namespace pirtok::tables
