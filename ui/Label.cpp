#include "ui/Label.h"

#include "ui/LabelAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

bool isPressingKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent), TwipsGeometry(this)
{
    LabelAccessible::registerFactory();
    setMouseTracking(true);
}

void Label::setButtonLike(bool buttonLike)
{
    m_buttonLike = buttonLike;
    // Tab only: a mouse click leaves the focus in the box the user types in.
    setFocusPolicy(buttonLike ? Qt::TabFocus : Qt::NoFocus);
}

void Label::performClick()
{
    Q_EMIT mouseDown(Qt::LeftButton);
    Q_EMIT mouseUp(Qt::LeftButton);
    Q_EMIT click();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    if (!m_buttonLike || !isPressingKey(event->key()) || event->modifiers() != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats its press; the label is pressed once, by the first key.
    if (event->isAutoRepeat() || m_pressingKey != 0)
        return;
    m_pressingKey = event->key();
    Q_EMIT mouseDown(Qt::LeftButton);
}

void Label::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_buttonLike || event->key() != m_pressingKey || m_pressingKey == 0) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    m_pressingKey = 0;
    Q_EMIT mouseUp(Qt::LeftButton);
    Q_EMIT click();
}

void Label::focusOutEvent(QFocusEvent *event)
{
    // The focus left while the key was held: the label comes up without a click, as it
    // does when the mouse is released off it.
    if (std::exchange(m_pressingKey, 0) != 0)
        Q_EMIT mouseUp(Qt::LeftButton);
    QLabel::focusOutEvent(event);
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_buttonLike || !hasFocus())
        return;
    // A dotted frame just inside the label, in the text colour: it stands out on the green
    // plates and on the window's grey alike, and keeps one logical pixel at any scale.
    QPainter painter(this);
    QPen pen(foreColor(), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    Q_EMIT change();
}

void Label::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

QColor Label::backColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setForeColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor Label::foreColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setBorder(Border border)
{
    m_border = border;
    switch (border) {
    case Border::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Single:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case Border::Sunken:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
}

void Label::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button());
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseUp(event->button());
    // A click is a press and release over the label, with any button.
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    if (!endsDoubleClick && rect().contains(event->position().toPoint()))
        Q_EMIT click();
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Stands for the second press of a double-click (it may also follow that press).
    m_releaseEndsDoubleClick = true;
    Q_EMIT mouseDown(event->button());
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->buttons());
}
