#include "viewer/Form1.h"

#include "ui/WindowMove.h"
#include "viewer/KeyboardPicture.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace {

const QColor CloseRed(255, 0, 0);

QFont closeFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), TwipsGeometry(this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Rinvo"));

    Im = new ImageBox(this);
    Im->setObjectName(QStringLiteral("Im"));
    Im->setGeometryTwips(0, 0, 6690, 2835);

    Label1 = new Label(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometryTwips(6360, 0, 240, 315);
    Label1->setCaption(QStringLiteral("X"));
    Label1->setFont(closeFont());
    Label1->setForeColor(CloseRed);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->raise();

    // Every mouse button acts alike.
    connect(Im, &ImageBox::mouseDown, this, &Form1::imMouseDown);
    connect(Label1, &Label::mouseDown, this, [this] { Label1->setBorder(Label::Border::Single); });
    connect(Label1, &Label::mouseUp, this, [this] { Label1->setBorder(Label::Border::None); });
    connect(Label1, &Label::click, this, &QWidget::close);

    load();
}

void Form1::load()
{
    refreshPicture();
    Im->fitToPicture();
    // Without a frame the window shows exactly the picture, with the "X" over it.
    setFixedSize(Im->size());
}

void Form1::refreshPicture()
{
    const qreal ratio = devicePixelRatioF();
    if (!Im->picture().isNull() && qFuzzyCompare(Im->picture().devicePixelRatio(), ratio))
        return;
    Im->setPicture(KeyboardPicture::render(ratio));
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refreshPicture();
    // A move to a screen of another density paints the picture anew, so it stays sharp.
    if (!m_followsScreen && windowHandle()) {
        connect(windowHandle(), &QWindow::screenChanged, this, &Form1::refreshPicture);
        m_followsScreen = true;
    }
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::imMouseDown()
{
    WindowMove::start(this);
}
