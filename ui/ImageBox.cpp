#include "ui/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget *parent) : QWidget(parent), TwipsGeometry(this) {}

void ImageBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ImageBox::fitToPicture()
{
    resize(m_picture.deviceIndependentSize().toSize());
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
}

void ImageBox::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button());
}
