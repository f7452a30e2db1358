#pragma once

#include "ui/TwipsGeometry.h"

#include <QWidget>

// A plain coloured container that other controls sit in; shown and hidden as a whole.
class PictureBox : public QWidget, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const;
};
