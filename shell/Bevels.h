#pragma once

class Form3;

// The four lines of the window's line array that frame one button-like label.
struct BevelLines
{
    int top, right, bottom, left;
};

namespace Bevels {

inline constexpr BevelLines KeyboardSwitch{0, 1, 2, 3};  // Label6
inline constexpr BevelLines Convert{7, 5, 6, 4};         // UniLabel5
inline constexpr BevelLines Bold{8, 10, 9, 11};          // UniLabel6
inline constexpr BevelLines Italic{15, 13, 14, 12};      // UniLabel7
inline constexpr BevelLines Search{16, 18, 17, 19};      // Label10
inline constexpr BevelLines ReplaceOnce{20, 22, 21, 23}; // Label11
inline constexpr BevelLines ReplaceAll{24, 26, 25, 27};  // Label12
inline constexpr BevelLines Pairs{28, 30, 29, 31};       // Label14

// Raised: top and left white, bottom and right dark grey; pressed: the reverse.
void paint(Form3 &form, BevelLines lines, bool pressed);

} // namespace Bevels
