#pragma once

#include "ui/ComboBox.h"

// A fixed list of Kurdish entries: the user can only pick one.
class UniCombo : public ComboBox
{
    Q_OBJECT

public:
    explicit UniCombo(QWidget *parent = nullptr);
};
