#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

namespace pirtok {

// What a text is written in, as the converter is told it. The first five have rule tables;
// Auto classes each line and takes its class's table; Unicode is already Unicode text.
enum class Family
{
    KurdishFont, // the window's own writing, with the user's letter pairs
    AliK,
    AliWeb,
    Dylan,
    Zarnegar,
    Auto,
    Unicode
};

inline constexpr int FamilyCount = 7;

constexpr bool hasRuleTable(Family family)
{
    return family != Family::Auto && family != Family::Unicode;
}

// "kurdish-font", "ali-k", "ali-web", "dylan", "zarnegar", "auto", "unicode".
QStringView familyName(Family family);
std::optional<Family> familyFromName(QStringView name);
QStringList familyNames();

} // namespace pirtok
