#pragma once

#include <functional>

class QWidget;
class QWindow;

// Dragging a window by one of its controls: the window system takes over and the window
// follows the mouse until the button is released. Both programs move their frameless or
// title-less windows this way.
namespace WindowMove {

// Hands the top-level window of `widget` to the window system to move; nothing when the
// window has no native handle yet.
void start(QWidget *widget);

// Seam for tests, which cannot drag on the offscreen platform: an empty function restores
// the window system's move.
using Function = std::function<void(QWindow *window)>;
void setFunction(Function function);

} // namespace WindowMove
