#pragma once

// The Kurdish texts of files in the window and of the boxes' menu, as code points.
namespace FileTexts {

// The menu of the boxes, in its order.
inline constexpr char16_t Cut[] = u"\u0628\u0695\u06CC\u0646";
inline constexpr char16_t Copy[] =
    u"\u0644\u06D5\u0628\u06D5\u0631\u06AF\u0631\u062A\u0646\u06D5\u0648\u06D5";
inline constexpr char16_t Paste[] = u"\u0644\u06A9\u0627\u0646\u062F\u0646";
inline constexpr char16_t Delete[] = u"\u0633\u0695\u06CC\u0646\u06D5\u0648\u06D5";
inline constexpr char16_t SelectAll[] =
    u"\u062F\u06CC\u0627\u0631\u06CC\u06A9\u0631\u062F\u0646\u06CC \u0647\u06D5\u0645\u0648\u0648\u06CC";
inline constexpr char16_t OpenFile[] =
    u"\u06A9\u0631\u062F\u0646\u06D5\u0648\u06D5\u06CC \u0641\u0627\u06CC\u0644\u2026";
inline constexpr char16_t Save[] =
    u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A\u06A9\u0631\u062F\u0646";
inline constexpr char16_t SaveAs[] =
    u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A\u06A9\u0631\u062F\u0646 \u0648\u06D5\u06A9\u2026";

// Dialogs.
inline constexpr char16_t OpenTitle[] =
    u"\u06A9\u0631\u062F\u0646\u06D5\u0648\u06D5\u06CC \u0641\u0627\u06CC\u0644";
inline constexpr char16_t SaveTitle[] =
    u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A\u06A9\u0631\u062F\u0646 \u0648\u06D5\u06A9";
inline constexpr char16_t TextFiles[] = u"\u0641\u0627\u06CC\u0644\u06CC \u062F\u06D5\u0642";
inline constexpr char16_t AllFiles[] =
    u"\u0647\u06D5\u0645\u0648\u0648 \u0641\u0627\u06CC\u0644\u06D5\u06A9\u0627\u0646";

// Messages; %1 and %2 are filled in as each says.
// %1 the file name, %2 the byte offset of the first byte that cannot be read.
inline constexpr char16_t OpenRefused[] =
    u"\u0641\u0627\u06CC\u0644\u06CC \u00AB%1\u00BB \u0646\u0627\u06A9\u0631\u06CE\u062A\u06D5\u0648\u06D5: "
    u"\u0628\u0627\u06CC\u062A\u06CC %2 \u0646\u0627\u062F\u0631\u0648\u0633\u062A\u06D5.";
// %1 the file name, %2 the system's reason.
inline constexpr char16_t OpenFailed[] = u"\u0641\u0627\u06CC\u0644\u06CC \u00AB%1\u00BB "
                                         u"\u0646\u0627\u06A9\u0631\u06CE\u062A\u06D5\u0648\u06D5: %2";
// %1 the character, %2 its code point in hexadecimal, %3 the encoding.
inline constexpr char16_t SaveRefused[] =
    u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A \u0646\u06D5\u06A9\u0631\u0627: "
    u"\u067E\u06CC\u062A\u06CC \u00AB%1\u00BB (U+%2) \u0644\u06D5 %3 \u062F\u0627 \u0646\u06CC\u06CC\u06D5.";
// %1 the file name, %2 the system's reason.
inline constexpr char16_t SaveFailed[] =
    u"\u0641\u0627\u06CC\u0644\u06CC \u00AB%1\u00BB \u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A "
    u"\u0646\u06D5\u06A9\u0631\u0627: %2";
// %1 how many files were joined.
inline constexpr char16_t FilesJoined[] =
    u"%1 \u0641\u0627\u06CC\u0644 \u067E\u06CE\u06A9\u06D5\u0648\u06D5 "
    u"\u06A9\u0631\u0627\u0646\u06D5\u0648\u06D5. \u0628\u06C6 "
    u"\u067E\u0627\u0634\u06D5\u06A9\u06D5\u0648\u062A\u06A9\u0631\u062F\u0646 "
    u"\u0646\u0627\u0648\u06CE\u06A9\u06CC \u0646\u0648\u06CE "
    u"\u0647\u06D5\u06B5\u0628\u0698\u06CE\u0631\u06D5.";

} // namespace FileTexts
