#include "look/FontStyle.h"

#include "shell/FocusReturn.h"
#include "shell/Form3.h"
#include "ui/TwipsGeometry.h"

namespace {

// A toggle that is on sits one pixel lower, inside its frame drawn pressed.
constexpr int ToggleRaisedTop = 510;
constexpr int TogglePressedTop = ToggleRaisedTop + TwipsGeometry::TwipsPerPixel;
// The size the font list falls back to when a font is picked before any size.
const QString FallbackSize = QStringLiteral("8");

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

void drawToggle(Form3 &form, Label *label, BevelLines lines, bool on)
{
    label->setTopTwips(on ? TogglePressedTop : ToggleRaisedTop);
    Bevels::paint(form, lines, on);
}

} // namespace

void ApplyFont(Form3 &form)
{
    UniText *text = form.Text1;
    text->setFontName(form.Combo1->text());
    text->setFontSize(form.Combo2->text());
    text->setFontBold(form.Check2->value());
    text->setFontItalic(form.Check3->value());
}

void DrawStyleToggles(Form3 &form)
{
    drawToggle(form, form.UniLabel6, Bevels::Bold, form.Check2->value() == 1);
    drawToggle(form, form.UniLabel7, Bevels::Italic, form.Check3->value() == 1);
}

FontStyle::FontStyle(Form3 &form) : QObject(&form), m_form(form)
{
    connect(form.Combo1, &ComboBox::click, this, &FontStyle::Combo1Click);
    connect(form.Combo2, &ComboBox::click, this, &FontStyle::Combo2Click);
    connect(form.UniLabel6, &Label::click, this, &FontStyle::UniLabel6Click);
    connect(form.UniLabel7, &Label::click, this, &FontStyle::UniLabel7Click);
    connect(form.Check4, &CheckBox::click, this, &FontStyle::Check4Click);
    connect(form.Check5, &CheckBox::click, this, &FontStyle::Check5Click);
}

void FontStyle::Combo1Click()
{
    if (m_form.Combo2->text().isEmpty())
        m_form.Combo2->setText(FallbackSize);
    ApplyFont(m_form);
}

void FontStyle::Combo2Click()
{
    ApplyFont(m_form);
}

void FontStyle::toggle(Label *label, CheckBox *state, BevelLines lines)
{
    const bool on = state->value() == 0;
    drawToggle(m_form, label, lines, on);
    state->setValue(on ? 1 : 0);
    // Both styles go to the box together, so a toggle never undoes the other one.
    ApplyFont(m_form);
    ReturnFocus(m_form);
}

void FontStyle::UniLabel6Click()
{
    toggle(m_form.UniLabel6, m_form.Check2, Bevels::Bold);
}

void FontStyle::UniLabel7Click()
{
    toggle(m_form.UniLabel7, m_form.Check3, Bevels::Italic);
}

void FontStyle::Check4Click()
{
    UniText *text = m_form.Text1;
    const bool black = m_form.Check4->value() == 1;
    text->setBackColor(black ? Black : White);
    text->setForeColor(black ? White : Black);
    ReturnFocus(m_form);
}

void FontStyle::Check5Click()
{
    UniText *text = m_form.Text1;
    const int selStart = text->selStart();
    const int selLength = text->selLength();
    const QString content = text->text();

    const bool leftToRight = m_form.Check5->value() == 1;
    text->setAlignment(leftToRight ? UniText::AlignLeft : UniText::AlignRight);
    text->setRightToLeft(!leftToRight);

    // The text and the selection come through the change of direction as they were. The
    // box keeps its text over it, so it is written back only if it was lost, which spares
    // the box's own undo history and a change event.
    if (!text->isHidden()) {
        if (text->text() != content)
            text->setText(content);
        // Before the window is shown there is no focus to take.
        if (m_form.isVisible())
            text->setFocus();
        text->setSelStart(selStart);
        text->setSelLength(selLength);
    }
    ReturnFocus(m_form);
}
