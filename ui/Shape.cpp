#include "ui/Shape.h"

#include <QPainter>

Shape::Shape(QWidget *parent) : QWidget(parent), TwipsGeometry(this)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    painter.setPen(m_border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
