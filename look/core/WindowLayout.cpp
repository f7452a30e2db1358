#include "look/core/WindowLayout.h"

#include <algorithm>

namespace pirtok {

namespace {

constexpr int IconLeft = 60;
constexpr int IconToTitle = 60;
constexpr int FrameStep = 15; // one pixel per frame, from the outside in
constexpr int FrameCount = 5;
// The main text sits under the tool rows, 885 below the strip, 90 in from the left.
constexpr int TextBelowStrip = 885;
constexpr int TextLeft = 90;
constexpr int TextWidthMargin = 120;
constexpr int TextHeightMargin = 510 + 435; // leaves 60 under the text
constexpr int SettingsFromRight = 600;
constexpr int HelpFromRight = 900;

} // namespace

QSize minimumOuterSize(QSize available)
{
    const int width =
        available.width() > 0 ? std::min(MinimumOuterWidth, available.width()) : MinimumOuterWidth;
    const int height =
        available.height() > 0 ? std::min(MinimumOuterHeight, available.height()) : MinimumOuterHeight;
    return {width, height};
}

QPoint centredPosition(const QRect &screen, const QRect &available, QSize outer)
{
    const int x = screen.x() + (screen.width() - outer.width()) / 2;
    const int y = screen.y() + (screen.height() - outer.height()) / 2;
    if (available.isEmpty())
        return {x, y};
    // The far edge inside where the window fits, then the near edge in any case, so that a
    // window larger than the area still shows its title strip and its left edge.
    const int lastX = available.x() + available.width() - outer.width();
    const int lastY = available.y() + available.height() - outer.height();
    return {std::max(std::min(x, lastX), available.x()), std::max(std::min(y, lastY), available.y())};
}

namespace {

// The outer size of the window: at least the minimum, at most the available area.
int fitted(int outer, int minimum, int available)
{
    const int grown = std::max(outer, minimum);
    return available > 0 ? std::min(grown, available) : grown;
}

} // namespace

WindowLayout layOutWindow(const WindowSizes &sizes)
{
    WindowLayout layout;

    // A window smaller than the minimum grows to it, one larger than the screen shrinks to
    // its available area; the client area changes by as much.
    const QSize minimum = minimumOuterSize(QSize(sizes.availableWidth, sizes.availableHeight));
    const int W = fitted(sizes.outerWidth, minimum.width(), sizes.availableWidth);
    const int H = fitted(sizes.outerHeight, minimum.height(), sizes.availableHeight);
    const int IW = sizes.innerWidth + (W - sizes.outerWidth);
    const int IH = sizes.innerHeight + (H - sizes.outerHeight);
    const int T = sizes.stripHeight;
    layout.outerSize = QSize(W, H);
    layout.innerSize = QSize(IW, IH);

    layout.iconLeft = IconLeft;
    layout.titleLeft = IconLeft + sizes.iconWidth + IconToTitle;
    layout.strip = QRect(0, 0, W, T);

    // The outermost frame covers the whole window; each further one is a step in from every
    // side, and all but the outermost start under the strip.
    layout.frames[0] = QRect(0, 0, W, H);
    for (int i = 1; i < FrameCount; ++i) {
        const int inset = FrameStep * i;
        layout.frames[i] = QRect(inset, T + inset, W - 2 * inset, H - 2 * inset - T);
    }

    const int textTop = T + TextBelowStrip;
    layout.text = QRect(TextLeft, textTop, IW - TextWidthMargin, IH - TextHeightMargin - T);

    // A raised ridge above the text: each line a step lower, the middle one the widest.
    static constexpr std::array<int, FrameCount> ridgeInsets = {75, 60, 45, 60, 75};
    for (int i = 0; i < FrameCount; ++i) {
        const int y = textTop - FrameStep * (FrameCount - i);
        layout.ridgeLines[i] = QLine(ridgeInsets[i], y, W - ridgeInsets[i], y);
    }

    layout.settingsLeft = W - SettingsFromRight;
    layout.helpLeft = W - HelpFromRight;
    return layout;
}

} // namespace pirtok
