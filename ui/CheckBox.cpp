#include "ui/CheckBox.h"

CheckBox::CheckBox(QWidget *parent) : QCheckBox(parent), TwipsGeometry(this)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::click);
}

bool CheckBox::setValue(int value)
{
    if (value != 0 && value != 1)
        return false;
    setChecked(value == 1);
    return true;
}

void CheckBox::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}
