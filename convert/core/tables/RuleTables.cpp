#include "convert/core/tables/RuleTables.h"

namespace pirtok {

RuleTable ruleTable(Family family, Direction direction)
{
    const bool toUnicode = direction == Direction::KurdishToUnicode;
    switch (family) {
    case Family::AliK:
        return toUnicode ? tables::AliKToUnicode : tables::UnicodeToAliK;
    case Family::AliWeb:
        return toUnicode ? tables::AliWebToUnicode : tables::UnicodeToAliWeb;
    case Family::Dylan:
        return toUnicode ? tables::DylanToUnicode : tables::UnicodeToDylan;
    case Family::Zarnegar:
        return toUnicode ? tables::ZarnegarToUnicode : tables::UnicodeToZarnegar;
    case Family::KurdishFont:
    case Family::Auto:
    case Family::Unicode:
        break;
    }
    return toUnicode ? tables::KurdishFontToUnicode : tables::UnicodeToKurdishFont;
}

} // namespace pirtok
