#pragma once

#include "ui/TwipsGeometry.h"

#include <QPixmap>
#include <QWidget>

// A bitmap, drawn stretched over the control's whole rectangle.
class ImageBox : public QWidget, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit ImageBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // Sizes the control to the picture's own size.
    void fitToPicture();

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};
