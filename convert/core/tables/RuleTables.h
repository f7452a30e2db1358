#pragma once

#include "convert/core/Direction.h"
#include "convert/core/Family.h"
#include "convert/core/Rule.h"

namespace pirtok {

// Every writing's two tables, one file per writing. `family` must have a rule table.
RuleTable ruleTable(Family family, Direction direction);

namespace tables {
extern const RuleTable KurdishFontToUnicode, UnicodeToKurdishFont;
extern const RuleTable AliKToUnicode, UnicodeToAliK;
extern const RuleTable AliWebToUnicode, UnicodeToAliWeb;
extern const RuleTable DylanToUnicode, UnicodeToDylan;
extern const RuleTable ZarnegarToUnicode, UnicodeToZarnegar;
} // namespace tables

} // namespace pirtok
