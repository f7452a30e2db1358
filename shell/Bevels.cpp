#include "shell/Bevels.h"

#include "shell/Form3.h"

namespace Bevels {

void paint(Form3 &form, BevelLines lines, bool pressed)
{
    const QColor white(255, 255, 255);
    const QColor darkGrey(64, 64, 64);
    const QColor &topLeft = pressed ? darkGrey : white;
    const QColor &bottomRight = pressed ? white : darkGrey;
    form.Li[lines.top]->setBorderColor(topLeft);
    form.Li[lines.left]->setBorderColor(topLeft);
    form.Li[lines.bottom]->setBorderColor(bottomRight);
    form.Li[lines.right]->setBorderColor(bottomRight);
}

} // namespace Bevels
