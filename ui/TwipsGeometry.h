#pragma once

#include <QRect>

class QWidget;

// Geometry in twips, the unit the window's layout is designed in: 15 twips to a logical
// pixel. Mixed into every control so that positions read the way they were designed.
class TwipsGeometry
{
public:
    static constexpr int TwipsPerPixel = 15;

    // Nearest pixel; designed values that are not whole pixels (290 twips) round.
    static int toPixels(int twips);
    static int toTwips(int pixels) { return pixels * TwipsPerPixel; }
    static QRect toPixels(const QRect &twips);
    static QRect toTwips(const QRect &pixels);

    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    QRect geometryTwips() const;

    void setLeftTwips(int left);
    void setTopTwips(int top);
    void setWidthTwips(int width);
    void setHeightTwips(int height);
    void setGeometryTwips(int left, int top, int width, int height);

protected:
    explicit TwipsGeometry(QWidget *self) : m_self(self) {}
    ~TwipsGeometry() = default;
    TwipsGeometry(const TwipsGeometry &) = delete;
    TwipsGeometry &operator=(const TwipsGeometry &) = delete;

private:
    QWidget *m_self;
};
