#include "ui/WindowMove.h"

#include <QWidget>
#include <QWindow>

namespace WindowMove {

namespace {

Function &scripted()
{
    static Function function;
    return function;
}

} // namespace

void start(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    if (!window)
        return;
    if (scripted())
        scripted()(window);
    else
        window->startSystemMove();
}

void setFunction(Function function)
{
    scripted() = std::move(function);
}

} // namespace WindowMove
