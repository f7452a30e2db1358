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

WindowLayout layOutWindow(const WindowSizes &sizes)
{
    WindowLayout layout;

    // A window smaller than the minimum grows to it; its client area grows by as much.
    const int W = std::max(sizes.outerWidth, MinimumOuterWidth);
    const int H = std::max(sizes.outerHeight, MinimumOuterHeight);
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
