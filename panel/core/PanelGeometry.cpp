#include "panel/core/PanelGeometry.h"

#include <cmath>
#include <cstdlib>

namespace pirtok::PanelGeometry {

int slideStep(int heightTwips, int numSteps)
{
    const int steps = numSteps > 0 ? numSteps : 1;
    // nearbyint rounds a half to the even neighbour under the default rounding mode.
    const int step = static_cast<int>(std::nearbyint(static_cast<double>(heightTwips) / steps));
    return step != 0 ? std::abs(step) : 1;
}

int closedTop(int hangDownPixels, int twipsPerPixelY, int heightTwips)
{
    return hangDownPixels * twipsPerPixelY - heightTwips;
}

int centredLeft(int screenWidthTwips, int widthTwips)
{
    return static_cast<int>(std::nearbyint((static_cast<double>(screenWidthTwips) - widthTwips) / 2));
}

bool pointerIsOver(const QRect &windowPixels, const QPoint &pointer)
{
    const int left = windowPixels.x();
    const int top = windowPixels.y();
    return pointer.x() >= left && pointer.x() <= left + windowPixels.width() && pointer.y() >= top &&
           pointer.y() <= top + windowPixels.height();
}

} // namespace pirtok::PanelGeometry
