#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

#include <array>

namespace pirtok {

// The smallest outer size the main window may take, in twips, frame included.
inline constexpr int MinimumOuterWidth = 14055;
inline constexpr int MinimumOuterHeight = 4500;

// What the layout pass reads of the window, in twips.
struct WindowSizes
{
    int outerWidth = 0;  // W, frame included
    int outerHeight = 0; // H, frame and title bar included
    int innerWidth = 0;  // IW, the client area
    int innerHeight = 0; // IH
    int stripHeight = 0; // T, the height of the top strip
    int iconWidth = 315; // the program icon's width in the top left corner
    // The screen's available area (without panels), 0 when not known: the window never
    // needs more than it, the minimum included.
    int availableWidth = 0;
    int availableHeight = 0;
};

// Every position the layout pass sets, in twips of the client area. Frames and ridge lines
// run from the outside in: dark, green, light green, green, dark.
struct WindowLayout
{
    QSize outerSize; // the window's size once the minimum and the screen's size are applied
    QSize innerSize; // its client area, shifted by as much as the outer size
    QRect strip;     // Image1
    int iconLeft = 0;
    int titleLeft = 0;
    std::array<QRect, 5> frames;     // Shape0 to Shape4
    QRect text;                      // Text1
    std::array<QLine, 5> ridgeLines; // Line1 to Line5, horizontal
    int settingsLeft = 0;            // Label3
    int helpLeft = 0;                // Label4
};

// The smallest outer size the window may take on a screen whose available area is
// `available` (twips; an empty size when not known): the designed minimum, less where the
// screen is smaller.
QSize minimumOuterSize(QSize available);

// Where the window goes at start-up: centred on the screen, as designed; where that would
// put part of it outside the available area, moved in, its top left corner kept inside
// first. Any units, as long as all three agree.
QPoint centredPosition(const QRect &screen, const QRect &available, QSize outer);

// The layout pass: fits the top strip, the green frames, the ridge lines, the main text
// and the two corner symbols to the window. Anything not named keeps its designed place.
WindowLayout layOutWindow(const WindowSizes &sizes);

} // namespace pirtok
