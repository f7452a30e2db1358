#pragma once

#include "ui/TwipsGeometry.h"

#include <QPushButton>

// A push button with a Kurdish caption.
class UniButton : public QPushButton, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit UniButton(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

Q_SIGNALS:
    void click();
};
