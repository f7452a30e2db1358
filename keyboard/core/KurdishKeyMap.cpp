#include "keyboard/core/KurdishKeyMap.h"

namespace pirtok {

const std::array<KeyMapping, 19> KurdishKeyMap = {{
    {u'\u0624', u'\u06C6'}, // waw with hamza above -> oe
    {u'\u062B', u'\u067E'}, // theh -> peh
    {u'{', u'\u0695'},      // left curly bracket -> reh with small v below
    {u'\u0636', u'\u0686'}, // dad -> tcheh
    {u'\u0638', u'\u06A4'}, // zah -> veh
    {u'\u0630', u'\u0698'}, // thal -> jeh
    {u'\u0635', u'\u06B5'}, // sad -> lam with small v
    {u'\u0637', u'\u06AF'}, // tah -> gaf
    {u'\u0649', u'\u06CE'}, // alef maksura -> yeh with small v
    {u'\u06BE', u'\u0647'}, // heh doachashmee -> heh
    {u'\u0629', u'\u06D5'}, // teh marbuta -> ae
    // The displaced Arabic letters, on the shifted characters of their own keys.
    {u'}', u'\u0624'},      // right curly bracket -> waw with hamza above
    {u'\u064F', u'\u062B'}, // damma -> theh
    {u'\u064E', u'\u0636'}, // fatha -> dad
    {u'\u061F', u'\u0638'}, // Arabic question mark -> zah
    {u'\u0651', u'\u0630'}, // shadda -> thal
    {u'\u064B', u'\u0635'}, // fathatan -> sad
    {u'"', u'\u0637'},      // quotation mark -> tah
    {u'\u2019', u'\u0629'}, // right single quotation mark -> teh marbuta
}};

char16_t TranslateKey(char16_t code)
{
    for (const auto &[input, output] : KurdishKeyMap) {
        if (input == code)
            return output;
    }
    return code;
}

} // namespace pirtok
