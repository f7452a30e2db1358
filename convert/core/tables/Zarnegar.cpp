// Text exported from the Zarnegar word processor: Arabic-block letters whose Kurdish "v"
// marks are tanwin, and ە as ه before a direction mark or ZWNJ (the mark is consumed).

#include "convert/core/tables/RuleTables.h"

namespace pirtok::tables {

namespace {

using namespace rows;

constexpr Rule ToUnicode[] = {
    map3(0x0644, 0x0627, 0x064C, 0x06B5, 0x0627), // لاٌ -> ڵا
    map2(0x0644, 0x064C, 0x06B5),                 // لٌ -> ڵ
    map2(0x06CC, 0x064C, 0x06CE),                 // یٌ -> ێ
    map2(0x064A, 0x064C, 0x06CE),                 // يٌ -> ێ
    map2(0x0649, 0x064C, 0x06CE),                 // ىٌ -> ێ
    map2(0x0648, 0x064C, 0x06C6),                 // وٌ -> ۆ
    map2(0x0631, 0x064D, 0x0695),                 // رٍ -> ڕ
    map2(0x0647, 0x200F, 0x06D5),                 // ه + RLM -> ە
    map2(0x0647, 0x200C, 0x06D5),                 // ه + ZWNJ -> ە
    map(0x064A, 0x06CC),                          // ي -> ی
    map(0x0649, 0x06CC),                          // ى -> ی
    map(0x0643, 0x06A9),                          // ك -> ک
};

// ڵا needs no row of its own: ڵ's row before the ا reads back as ڵا.
constexpr Rule FromUnicode[] = {
    map(0x06B5, 0x0644, 0x064C), // ڵ -> لٌ
    map(0x06CE, 0x06CC, 0x064C), // ێ -> یٌ
    map(0x06C6, 0x0648, 0x064C), // ۆ -> وٌ
    map(0x0695, 0x0631, 0x064D), // ڕ -> رٍ
    map(0x06D5, 0x0647, 0x200F), // ە -> ه + RLM
};

} // namespace

const RuleTable ZarnegarToUnicode = tableOf(ToUnicode);
const RuleTable UnicodeToZarnegar = tableOf(FromUnicode);

} // namespace pirtok::tables
