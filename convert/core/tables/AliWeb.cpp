// Ali-Web, Ali-K as the web fonts draw it: its own rows first, then Ali-K's. ط and گ are
// swapped, each read as the other in one pass; a real ک may occur and stays.

#include "convert/core/tables/RuleTables.h"

namespace pirtok::tables {

namespace {

using namespace rows;

constexpr Rule ToUnicode[] = {
    map(0x0635, 0x06CE), // ص -> ێ
    map(0x067E, 0x06B5), // پ -> ڵ
    map(0x0623, 0x0695), // أ -> ڕ
    map(0x0637, 0x06AF), // ط -> گ
    map(0x06AF, 0x0637), // گ -> ط
    drop(0x064F),        // damma
    drop(0x0652),        // sukun
    // Ali-K's rows, less its ط and its لأ: here أ is ڕ, so لأ is ل before ڕ.
    map(0x0629, 0x06D5),                          // ة -> ە
    map3(0x0644, 0x0627, 0x064E, 0x06B5, 0x0627), // لاَ -> ڵا
    map3(0x0644, 0x0627, 0x064B, 0x06B5, 0x0627), // لاً -> ڵا
    map2(0x0644, 0x0622, 0x06B5, 0x0627),         // لآ -> ڵا
    map2(0x0644, 0x064E, 0x06B5),                 // لَ -> ڵ
    map2(0x0644, 0x064B, 0x06B5),                 // لً -> ڵ
    map(0x0636, 0x0686),                          // ض -> چ
    map(0x062B, 0x067E),                          // ث -> پ
    map(0x0638, 0x06A4),                          // ظ -> ڤ
    map(0x0630, 0x0698),                          // ذ -> ژ
    map2(0x064A, 0x064E, 0x06CE),                 // يَ -> ێ
    map2(0x0649, 0x064E, 0x06CE),                 // ىَ -> ێ
    map2(0x06CC, 0x064E, 0x06CE),                 // یَ -> ێ
    map(0x0622, 0x06CE),                          // آ (not after ل) -> ێ
    map2(0x0631, 0x0650, 0x0695),                 // رِ -> ڕ
    map(0x0624, 0x06C6),                          // ؤ -> ۆ
    map2(0x0648, 0x064E, 0x06C6),                 // وَ -> ۆ
    map(0x0621, 0x0648),                          // ء -> و
    map(0x0643, 0x06A9),                          // ك -> ک
    map(0x064A, 0x06CC),                          // ي -> ی
    map(0x0649, 0x06CC),                          // ى -> ی
    drop(0x0650),                                 // kasra
};

constexpr Rule FromUnicode[] = {
    map2(0x0647, 0x200C, 0x0629), // ه + ZWNJ -> ة
    map(0x06D5, 0x0629),          // ە -> ة
    map(0x06CE, 0x0635),          // ێ -> ص
    map(0x06B5, 0x067E),          // ڵ -> پ
    map(0x0695, 0x0623),          // ڕ -> أ
    map(0x06AF, 0x0637),          // گ -> ط
    map(0x0637, 0x06AF),          // ط -> گ
    map(0x0686, 0x0636),          // چ -> ض
    map(0x067E, 0x062B),          // پ -> ث
    map(0x06A4, 0x0638),          // ڤ -> ظ
    map(0x0698, 0x0630),          // ژ -> ذ
    map(0x06CC, 0x064A),          // ی -> ي
    map(0x06C6, 0x0624),          // ۆ -> ؤ
    map(0x06BE, 0x0647),          // ھ -> ه
    map(0x0649, 0x064A),          // ى -> ي
    map(0x06A9, 0x0643),          // ک -> ك
};

} // namespace

const RuleTable AliWebToUnicode = tableOf(ToUnicode);
const RuleTable UnicodeToAliWeb = tableOf(FromUnicode);

} // namespace pirtok::tables
