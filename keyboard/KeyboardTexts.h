#pragma once

// The Kurdish texts of the keyboard's own controls, as code points.
namespace KeyboardTexts {

// "Kurdish keyboard on any keyboard language": the keyboard switch's menu entry that reads
// keys by their position on the Arabic layout.
inline constexpr char16_t AnyLayout[] = u"\u06A9\u06CC\u0628\u06C6\u0631\u062F\u06CC "
                                        u"\u06A9\u0648\u0631\u062F\u06CC \u0644\u06D5\u0633\u06D5\u0631 "
                                        u"\u0647\u06D5\u0631 \u0632\u0645\u0627\u0646\u06CE\u06A9\u06CC "
                                        u"\u06A9\u06CC\u0628\u06C6\u0631\u062F";

} // namespace KeyboardTexts
