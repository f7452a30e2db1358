#include "keyboard/KeyboardTyping.h"

#include "keyboard/core/KurdishKeyMap.h"
#include "shell/Bevels.h"
#include "shell/FocusReturn.h"
#include "shell/Form3.h"

KeyboardTyping::KeyboardTyping(Form3 &form) : QObject(&form), m_form(form)
{
    connect(form.Text1, &UniText::keyPress, this, &KeyboardTyping::text1KeyPress);
    connect(form.Text2, &UniText::keyPress, this, &KeyboardTyping::text2KeyPress);
    connect(form.Text3, &UniText::keyPress, this, &KeyboardTyping::text3KeyPress);
    for (int i = 0; i < Form3::TT1Count; ++i)
        connect(form.TT1[i], &UniText::keyPress, this, [this, i](char16_t &code) { tt1KeyPress(i, code); });
    connect(form.Label6, &Label::click, this, &KeyboardTyping::Label6Click);
}

void KeyboardTyping::translate(char16_t &code) const
{
    // Check1 ticked is Arabic mode: characters arrive as typed.
    if (m_form.Check1->value() != 1)
        code = pirtok::TranslateKey(code);
}

void KeyboardTyping::text1KeyPress(char16_t &code)
{
    m_form.ActiveBox = 1;
    translate(code);
}

void KeyboardTyping::text2KeyPress(char16_t &code)
{
    m_form.ActiveBox = 2;
    translate(code);
}

void KeyboardTyping::text3KeyPress(char16_t &code)
{
    // A changed search word starts a new search run.
    m_form.ActiveBox = 3;
    m_form.SearchCount = 0;
    translate(code);
}

void KeyboardTyping::tt1KeyPress(int, char16_t &code)
{
    // The letter boxes end a search run but are not a box the focus returns to.
    m_form.SearchCount = 0;
    translate(code);
}

void KeyboardTyping::drawSwitch(bool pressed)
{
    m_form.Label6->setLeftTwips(pressed ? 1920 : 1905);
    m_form.Label6->setTopTwips(pressed ? 525 : 510);
    Bevels::paint(m_form, Bevels::KeyboardSwitch, pressed);
}

void KeyboardTyping::Label6Click()
{
    if (m_form.Check1->value() == 1) {
        drawSwitch(false);
        m_form.Check1->setValue(0);
    } else {
        drawSwitch(true);
        m_form.Check1->setValue(1);
    }
    ReturnFocus(m_form);
}
