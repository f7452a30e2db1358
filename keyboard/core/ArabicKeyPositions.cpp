#include "keyboard/core/ArabicKeyPositions.h"

#include <algorithm>

namespace pirtok {

// The shifted level follows the system's "ara" layout.
const std::array<ArabicKeyPosition, 34> ArabicKeyPositions = {{
    {24, 'q', u'\u0636', u'\u064E'}, // dad, fatha
    {25, 'w', u'\u0635', u'\u064B'}, // sad, fathatan
    {26, 'e', u'\u062B', u'\u064F'}, // theh, damma
    {27, 'r', u'\u0642', u'\u064C'}, // qaf, dammatan
    {28, 't', u'\u0641', u'\uFEF9'}, // feh, lam with hamza below on alef
    {29, 'y', u'\u063A', u'\u0625'}, // ghain, alef with hamza below
    {30, 'u', u'\u0639', u'`'},      // ain, grave accent
    {31, 'i', u'\u0647', u'\u00F7'}, // heh, division sign
    {32, 'o', u'\u062E', u'\u00D7'}, // khah, multiplication sign
    {33, 'p', u'\u062D', u'\u061B'}, // hah, Arabic semicolon
    {34, '[', u'\u062C', u'<'},      // jeem
    {35, ']', u'\u062F', u'>'},      // dal
    {38, 'a', u'\u0634', u'\u0650'}, // sheen, kasra
    {39, 's', u'\u0633', u'\u064D'}, // seen, kasratan
    {40, 'd', u'\u064A', u']'},      // yeh
    {41, 'f', u'\u0628', u'['},      // beh
    {42, 'g', u'\u0644', u'\uFEF7'}, // lam, lam with hamza above on alef
    {43, 'h', u'\u0627', u'\u0623'}, // alef, alef with hamza above
    {44, 'j', u'\u062A', u'\u0640'}, // teh, tatweel
    {45, 'k', u'\u0646', u'\u060C'}, // noon, Arabic comma
    {46, 'l', u'\u0645', u'/'},      // meem
    {47, ';', u'\u0643', u':'},      // kaf
    {48, '\'', u'\u0637', u'"'},     // tah
    {49, '`', u'\u0630', u'\u0651'}, // thal, shadda
    {52, 'z', u'\u0626', u'~'},      // yeh with hamza above
    {53, 'x', u'\u0621', u'\u0652'}, // hamza, sukun
    {54, 'c', u'\u0624', u'}'},      // waw with hamza above
    {55, 'v', u'\u0631', u'{'},      // reh
    {56, 'b', u'\uFEFB', u'\uFEF5'}, // lam-alef, lam with madda on alef
    {57, 'n', u'\u0649', u'\u0622'}, // alef maksura, alef with madda above
    {58, 'm', u'\u0629', u'\''},     // teh marbuta
    {59, ',', u'\u0648', u','},      // waw
    {60, '.', u'\u0632', u'.'},      // zain
    {61, '/', u'\u0638', u'\u061F'}, // zah, Arabic question mark
}};

std::optional<ArabicKeyPosition> arabicKeyAt(unsigned scanCode)
{
    const auto found =
        std::find_if(ArabicKeyPositions.begin(), ArabicKeyPositions.end(),
                     [scanCode](const ArabicKeyPosition &key) { return key.scanCode == scanCode; });
    if (found == ArabicKeyPositions.end())
        return std::nullopt;
    return *found;
}

std::optional<char16_t> arabicCharacterAt(unsigned scanCode, bool shift)
{
    const std::optional<ArabicKeyPosition> key = arabicKeyAt(scanCode);
    if (!key)
        return std::nullopt;
    return shift ? key->shifted : key->plain;
}

bool isArabicScript(char16_t code)
{
    struct Block
    {
        char16_t first, last;
    };
    // Arabic, Arabic Supplement, Arabic Extended-A, and both presentation-form blocks.
    static constexpr Block blocks[] = {
        {0x0600, 0x06FF}, {0x0750, 0x077F}, {0x08A0, 0x08FF}, {0xFB50, 0xFDFF}, {0xFE70, 0xFEFF},
    };
    return std::any_of(std::begin(blocks), std::end(blocks),
                       [code](const Block &block) { return code >= block.first && code <= block.last; });
}

} // namespace pirtok
