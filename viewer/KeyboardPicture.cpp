#include "viewer/KeyboardPicture.h"

#include "viewer/HelpKeys.h"

#include <QPainter>
#include <QString>

namespace KeyboardPicture {

namespace {

// Where the keys lie, in logical pixels.
constexpr int KeyboardLeft = 13;
constexpr int KeyboardTop = 24;
constexpr double UnitWidth = 28;
constexpr int RowPitch = 26;
constexpr int KeyGap = 2;
constexpr int ShiftBoxTop = 160;
constexpr int ShiftBoxHeight = 24;
constexpr int ShiftBoxWidth = 150;
constexpr int ShiftBoxSpacing = 26;

const QColor Ground(20, 76, 168);
const QColor KeyFace(255, 255, 255);
const QColor KeyEdge(120, 132, 160);
const QColor KeyShadow(8, 40, 100);
const QColor LetterInk(16, 16, 48);
const QColor NameInk(70, 80, 120);
const QColor TitleInk(255, 255, 255);

// "Kurdish keyboard", over the keys.
constexpr char16_t Title[] = u"\u06A9\u06CC\u0628\u06C6\u0631\u062F\u06CC \u06A9\u0648\u0631\u062F\u06CC";

QFont pictureFont(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

bool isName(const QString &caption)
{
    // Key names (tab, shft, ...) are written small; letters, digits and arrows large.
    return caption.size() > 2 && caption.at(0).isLower();
}

void paintKey(QPainter &painter, const QRectF &face, const QString &caption)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(KeyShadow);
    painter.drawRoundedRect(face.translated(0, 1.5), 3, 3);
    painter.setPen(QPen(KeyEdge, 1));
    painter.setBrush(KeyFace);
    painter.drawRoundedRect(face, 3, 3);
    if (caption.isEmpty())
        return;
    const bool name = isName(caption);
    painter.setFont(pictureFont(name ? 9 : 14, !name));
    painter.setPen(name ? NameInk : LetterInk);
    painter.drawText(face, Qt::AlignCenter, caption);
}

void paintKeys(QPainter &painter)
{
    std::array<double, HelpKeys::RowCount> rowEnds{};
    for (const HelpKeys::Key &key : HelpKeys::Keys) {
        const double left = KeyboardLeft + rowEnds[key.row] * UnitWidth;
        rowEnds[key.row] += key.width;
        if (!key.caption)
            continue;
        const QRectF face(left + KeyGap / 2.0, KeyboardTop + key.row * RowPitch,
                          key.width * UnitWidth - KeyGap, RowPitch - KeyGap - 1);
        paintKey(painter, face, QString::fromUtf16(key.caption));
    }
}

void paintShiftBox(QPainter &painter, const QRectF &box, const HelpKeys::ShiftedLetter &shifted)
{
    painter.setPen(QPen(TitleInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box, 4, 4);
    // Drawn piece by piece, left to right, so that the equation keeps its order whatever the
    // direction of its letters: letter = key + shft.
    const std::array<QString, 5> pieces = {QString::fromUtf16(shifted.letter), QStringLiteral("="),
                                           QString::fromUtf16(shifted.key), QStringLiteral("+"),
                                           QStringLiteral("shft")};
    const QFont font = pictureFont(15, true);
    const QFontMetricsF metrics(font);
    constexpr double space = 7;
    double width = -space;
    for (const QString &piece : pieces)
        width += metrics.horizontalAdvance(piece) + space;
    double x = box.center().x() - width / 2;
    painter.setFont(font);
    for (const QString &piece : pieces) {
        const double advance = metrics.horizontalAdvance(piece);
        painter.drawText(QRectF(x, box.top(), advance, box.height()), Qt::AlignCenter, piece);
        x += advance + space;
    }
}

} // namespace

void paint(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRect(QPoint(0, 0), Size), Ground);

    painter.setPen(TitleInk);
    painter.setFont(pictureFont(13, true));
    painter.drawText(QRect(0, 2, Size.width(), KeyboardTop - 4), Qt::AlignCenter, QString::fromUtf16(Title));

    paintKeys(painter);

    const int boxesWidth =
        int(HelpKeys::ShiftedLetters.size()) * (ShiftBoxWidth + ShiftBoxSpacing) - ShiftBoxSpacing;
    int left = (Size.width() - boxesWidth) / 2;
    for (const HelpKeys::ShiftedLetter &shifted : HelpKeys::ShiftedLetters) {
        paintShiftBox(painter, QRectF(left, ShiftBoxTop, ShiftBoxWidth, ShiftBoxHeight), shifted);
        left += ShiftBoxWidth + ShiftBoxSpacing;
    }
}

QPixmap render(qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    QPixmap picture((QSizeF(Size) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    paint(painter);
    return picture;
}

} // namespace KeyboardPicture
