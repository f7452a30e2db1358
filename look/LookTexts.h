#pragma once

// The Kurdish messages of the window's looks, as code points.
namespace LookTexts {

// "The help file was not found:", followed by the places looked in, one a line.
inline constexpr char16_t ViewerMissing[] =
    u"\u0641\u0627\u06CC\u0644\u06CC \u06CC\u0627\u0631\u0645\u06D5\u062A\u06CC "
    u"\u0646\u06D5\u062F\u06C6\u0632\u0631\u0627\u06CC\u06D5\u0648\u06D5:";
// "The help file could not be opened:", followed by its path.
inline constexpr char16_t ViewerNotStarted[] =
    u"\u0641\u0627\u06CC\u0644\u06CC \u06CC\u0627\u0631\u0645\u06D5\u062A\u06CC "
    u"\u0646\u06D5\u06A9\u0631\u0627\u06CC\u06D5\u0648\u06D5:";

} // namespace LookTexts
