#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;

// The help picture: the Kurdish keyboard on a blue ground, painted from the key table at
// the screen's pixel density so that it stays sharp at any scale.
namespace KeyboardPicture {

// The picture's natural size in logical pixels (6690 x 2835 twips).
inline constexpr QSize Size(446, 189);

QPixmap render(qreal devicePixelRatio);
void paint(QPainter &painter);

} // namespace KeyboardPicture
