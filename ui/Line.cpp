#include "ui/Line.h"

#include "ui/TwipsGeometry.h"

#include <QPainter>

Line::Line(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setPoints(int x1, int y1, int x2, int y2)
{
    m_twips = QLine(x1, y1, x2, y2);
    const QPoint a(TwipsGeometry::toPixels(x1), TwipsGeometry::toPixels(y1));
    const QPoint b(TwipsGeometry::toPixels(x2), TwipsGeometry::toPixels(y2));
    // The widget covers the line's bounding box, at least one pixel thick.
    setGeometry(QRect(a, b).normalized().adjusted(0, 0, 1, 1));
    update();
}

void Line::setBorderColor(const QColor &color)
{
    m_color = color;
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_color);
    const QPoint origin = geometry().topLeft();
    painter.drawLine(
        QPoint(TwipsGeometry::toPixels(m_twips.x1()), TwipsGeometry::toPixels(m_twips.y1())) - origin,
        QPoint(TwipsGeometry::toPixels(m_twips.x2()), TwipsGeometry::toPixels(m_twips.y2())) - origin);
}
