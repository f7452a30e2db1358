#include "ui/PictureBox.h"

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), TwipsGeometry(this)
{
    setAutoFillBackground(true);
}

void PictureBox::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor PictureBox::backColor() const
{
    return palette().color(QPalette::Window);
}
