#pragma once

#include <QLatin1String>
#include <QString>

// The names under which the settings store keeps the program's values.
namespace SettingsKeys {

inline constexpr QLatin1String Pirtok("Pirtok");
inline constexpr QLatin1String Varok("Varok");
inline constexpr QLatin1String Section("Settings");

// Under Pirtok.
inline constexpr QLatin1String FontSize("fontsize");
inline constexpr QLatin1String FontName("fontname");
// The font's name as well as its place in the list, which changes with the fonts installed.
inline constexpr QLatin1String FontFamily("fontfamily");
inline constexpr QLatin1String Convert("Convert");
inline constexpr QLatin1String Arabic("Arabic");
inline constexpr QLatin1String Bold("Bold");
inline constexpr QLatin1String Italic("Italic");
inline constexpr QLatin1String Black("Black");
inline constexpr QLatin1String LeftToRight("R-L");
inline constexpr QLatin1String SearchWord("Text_1");
inline constexpr QLatin1String ReplacementWord("Text_2");
inline constexpr QLatin1String StartAtLogOn("Star Up");
inline constexpr QLatin1String AnyLayout("AnyLayout");

// The letter box TT1(index): "Text0" to "Text7".
inline QString letterBox(int index)
{
    return QStringLiteral("Text") + QString::number(index);
}

// Under Varok.
inline constexpr QLatin1String CommandLine("Varok Path");
inline constexpr QLatin1String ProgramFolder("Varok PathName");
inline constexpr QLatin1String FirstRunMarker("Keyboard");

} // namespace SettingsKeys
