#include "ui/TwipsGeometry.h"

#include <QWidget>

#include <cmath>

int TwipsGeometry::toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}

QRect TwipsGeometry::toPixels(const QRect &twips)
{
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height())};
}

QRect TwipsGeometry::toTwips(const QRect &pixels)
{
    return {toTwips(pixels.x()), toTwips(pixels.y()), toTwips(pixels.width()), toTwips(pixels.height())};
}

int TwipsGeometry::leftTwips() const
{
    return toTwips(m_self->x());
}
int TwipsGeometry::topTwips() const
{
    return toTwips(m_self->y());
}
int TwipsGeometry::widthTwips() const
{
    return toTwips(m_self->width());
}
int TwipsGeometry::heightTwips() const
{
    return toTwips(m_self->height());
}

QRect TwipsGeometry::geometryTwips() const
{
    return {leftTwips(), topTwips(), widthTwips(), heightTwips()};
}

void TwipsGeometry::setLeftTwips(int left)
{
    m_self->move(toPixels(left), m_self->y());
}
void TwipsGeometry::setTopTwips(int top)
{
    m_self->move(m_self->x(), toPixels(top));
}
void TwipsGeometry::setWidthTwips(int width)
{
    m_self->resize(toPixels(width), m_self->height());
}
void TwipsGeometry::setHeightTwips(int height)
{
    m_self->resize(m_self->width(), toPixels(height));
}

void TwipsGeometry::setGeometryTwips(int left, int top, int width, int height)
{
    m_self->setGeometry(toPixels(QRect(left, top, width, height)));
}
