#pragma once

// The close's question when the text or the choices could not be saved, as code points:
// "the text could not be saved to " + the paths + two line breaks + "close anyway?".
namespace CloseTexts {

inline constexpr char16_t NotSavedTo[] = u"\u0646\u06D5\u062A\u0648\u0627\u0646\u0631\u0627 "
                                         u"\u062F\u06D5\u0642\u06D5\u06A9\u06D5 "
                                         u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A "
                                         u"\u0628\u06A9\u0631\u06CE\u062A \u0644\u06D5 ";
inline constexpr char16_t CloseAnyway[] =
    u"\u0647\u06D5\u0631 \u062F\u0627\u0628\u062E\u0631\u06CE\u062A\u061F";

} // namespace CloseTexts
