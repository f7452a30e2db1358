#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A straight one-pixel line between two points given in twips of the parent. Drawing
// only: it lets the mouse through.
class Line : public QWidget
{
    Q_OBJECT

public:
    explicit Line(QWidget *parent = nullptr);

    void setPoints(int x1, int y1, int x2, int y2);
    QLine pointsTwips() const { return m_twips; }

    void setBorderColor(const QColor &color);
    QColor borderColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_twips;
    QColor m_color = Qt::black;
};
