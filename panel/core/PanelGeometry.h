#pragma once

#include <QPoint>
#include <QRect>

// Where the sliding panel puts its window, in twips unless a name says pixels.
namespace pirtok::PanelGeometry {

// Twips a window `heightTwips` high moves per tick to cross in `numSteps` ticks: the nearest
// whole twip, a half to the even neighbour. Never 0, or a slide could not arrive.
int slideStep(int heightTwips, int numSteps);

// The top at which exactly `hangDownPixels` of the window's bottom stay on the screen.
int closedTop(int hangDownPixels, int twipsPerPixelY, int heightTwips);

// The left edge that centres a window `widthTwips` wide on a screen `screenWidthTwips` wide.
int centredLeft(int screenWidthTwips, int widthTwips);

// Whether the pointer is over the window, its edges included on all four sides: a window
// `width` pixels wide spans width + 1 columns, from left() to left() + width().
bool pointerIsOver(const QRect &windowPixels, const QPoint &pointer);

} // namespace pirtok::PanelGeometry
