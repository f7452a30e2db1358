#include "ui/UniButton.h"

UniButton::UniButton(QWidget *parent) : QPushButton(parent), TwipsGeometry(this)
{
    connect(this, &QPushButton::clicked, this, &UniButton::click);
}
