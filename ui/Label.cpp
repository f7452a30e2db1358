#include "ui/Label.h"

#include <QMouseEvent>

#include <utility>

Label::Label(QWidget *parent) : QLabel(parent), TwipsGeometry(this)
{
    setMouseTracking(true);
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
