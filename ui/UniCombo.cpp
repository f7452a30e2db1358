#include "ui/UniCombo.h"

UniCombo::UniCombo(QWidget *parent) : ComboBox(parent, false)
{
    setLayoutDirection(Qt::RightToLeft);
}
