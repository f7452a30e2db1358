#include "look/ButtonLooks.h"

#include "shell/Bevels.h"
#include "shell/Form3.h"
#include "ui/TwipsGeometry.h"

#include <QMouseEvent>

namespace {

// A pressed label sits one pixel lower than its raised place.
constexpr int PressedDrop = TwipsGeometry::TwipsPerPixel;
constexpr int NotMoved = -1;

struct MomentaryButton
{
    Label *Form3::*label;
    BevelLines lines;
    int raisedTop; // NotMoved: only the frame shows the press
};

const std::array<MomentaryButton, 5> MomentaryButtons = {{
    {&Form3::Label10, Bevels::Search, 870},
    {&Form3::Label11, Bevels::ReplaceOnce, 870},
    {&Form3::Label12, Bevels::ReplaceAll, 870},
    {&Form3::Label14, Bevels::Pairs, NotMoved},
    {&Form3::UniLabel5, Bevels::Convert, 510},
}};

const QColor UndoReleased(180, 210, 57);
const QColor UndoPressed(215, 231, 150);
const QColor SymbolAtRest(0, 255, 0);
const QColor SymbolUnderMouse(255, 0, 0);

} // namespace

ButtonLooks::ButtonLooks(Form3 &form) : QObject(&form), m_form(form), m_undo(form.UniLabel4)
{
    for (const MomentaryButton &button : MomentaryButtons) {
        Label *label = form.*button.label;
        connect(label, &Label::mouseDown, this,
                [this, label, button] { drawMomentary(label, button.lines, button.raisedTop, true); });
        connect(label, &Label::mouseUp, this,
                [this, label, button] { drawMomentary(label, button.lines, button.raisedTop, false); });
    }
    connect(form.UniLabel4, &Label::mouseDown, this, &ButtonLooks::UniLabel4MouseDown);
    connect(form.UniLabel4, &Label::mouseUp, this, &ButtonLooks::UniLabel4MouseUp);
    connect(form.Label3, &Label::mouseMove, this, &ButtonLooks::Label3MouseMove);
    connect(form.Label4, &Label::mouseMove, this, &ButtonLooks::Label4MouseMove);
    connect(form.Text1, &UniText::mouseMove, this, &ButtonLooks::Form_MouseMove);

    // The window's own moves reach it only where no control takes them; a move with a
    // button held on "Undo" stays with "Undo" and is judged by where the mouse is.
    form.setMouseTracking(true);
    form.installEventFilter(this);
    m_undo->installEventFilter(this);
}

void ButtonLooks::drawMomentary(Label *label, BevelLines lines, int raisedTop, bool pressed)
{
    if (raisedTop != NotMoved)
        label->setTopTwips(pressed ? raisedTop + PressedDrop : raisedTop);
    Bevels::paint(m_form, lines, pressed);
}

void ButtonLooks::UniLabel4MouseDown()
{
    m_form.UniLabel4->setBorder(Label::Border::Sunken);
    m_form.UniLabel4->setBackColor(UndoPressed);
}

void ButtonLooks::UniLabel4MouseUp()
{
    m_form.UniLabel4->setBorder(Label::Border::None);
    m_form.UniLabel4->setBackColor(UndoReleased);
}

void ButtonLooks::Label3MouseMove()
{
    m_form.Label3->setForeColor(SymbolUnderMouse);
    m_form.Label4->setForeColor(SymbolAtRest);
}

void ButtonLooks::Label4MouseMove()
{
    m_form.Label4->setForeColor(SymbolUnderMouse);
    m_form.Label3->setForeColor(SymbolAtRest);
}

void ButtonLooks::Form_MouseMove()
{
    m_form.Label3->setForeColor(SymbolAtRest);
    m_form.Label4->setForeColor(SymbolAtRest);
    // Only the border goes flat; the background waits for the button to come up on "Undo".
    if (m_form.UniLabel4->border() == Label::Border::Sunken)
        m_form.UniLabel4->setBorder(Label::Border::None);
}

bool ButtonLooks::isBackgroundOrMainText(QWidget *sender, QPoint position) const
{
    const QPoint onForm = sender->mapTo(&m_form, position);
    if (!m_form.rect().contains(onForm))
        return false;
    QWidget *under = m_form.childAt(onForm);
    return !under || under == m_form.Text1 || m_form.Text1->isAncestorOf(under);
}

bool ButtonLooks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto *move = static_cast<QMouseEvent *>(event);
    const QPoint position = move->position().toPoint();
    if (watched == &m_form) {
        // Controls that let moves through (the frames, lines and plates) are background.
        if (!m_form.childAt(position))
            Form_MouseMove();
    } else if (watched == m_undo && move->buttons() != Qt::NoButton) {
        if (isBackgroundOrMainText(m_undo, position))
            Form_MouseMove();
    }
    return false;
}
