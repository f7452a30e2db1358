#pragma once

#include "ui/Label.h"

// A label carrying Kurdish text: right-to-left, shaped by the text engine.
class UniLabel : public Label
{
    Q_OBJECT

public:
    explicit UniLabel(QWidget *parent = nullptr);
};
