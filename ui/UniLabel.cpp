#include "ui/UniLabel.h"

UniLabel::UniLabel(QWidget *parent) : Label(parent)
{
    setLayoutDirection(Qt::RightToLeft);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}
