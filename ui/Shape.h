#pragma once

#include "ui/TwipsGeometry.h"

#include <QColor>
#include <QWidget>

// A rectangle: a one-pixel outline, optionally filled. Decoration only: it lets the mouse
// through to whatever lies under it.
class Shape : public QWidget, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    void setBorderColor(const QColor &color);
    QColor borderColor() const { return m_border; }
    // An invalid colour leaves the inside transparent.
    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_border = Qt::black;
    QColor m_fill;
};
