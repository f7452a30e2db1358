#include "keyboard/KeyboardTyping.h"

#include "keyboard/AnyLayoutOption.h"
#include "keyboard/core/ArabicKeyPositions.h"
#include "keyboard/core/KurdishKeyMap.h"
#include "shell/Bevels.h"
#include "shell/FocusReturn.h"
#include "shell/Form3.h"

#include <QFocusEvent>

namespace {

void selectWhole(UniText &box)
{
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.text().size()));
}

} // namespace

KeyboardTyping::KeyboardTyping(Form3 &form, SettingsStore &store)
    : QObject(&form), m_form(form), m_anyLayout(new AnyLayoutOption(*form.Label6, store))
{
    connect(form.Text1, &UniText::keyPress, this, &KeyboardTyping::text1KeyPress);
    connect(form.Text2, &UniText::keyPress, this, &KeyboardTyping::text2KeyPress);
    connect(form.Text3, &UniText::keyPress, this, &KeyboardTyping::text3KeyPress);
    for (int i = 0; i < Form3::TT1Count; ++i)
        connect(form.TT1[i], &UniText::keyPress, this, [this, i](char16_t &code) { tt1KeyPress(i, code); });
    connect(form.Label6, &Label::click, this, &KeyboardTyping::Label6Click);

    connect(form.Text1, &UniText::mouseDown, this, &KeyboardTyping::text1MouseDown);
    for (UniText *wordBox : {form.Text2, form.Text3}) {
        connect(wordBox, &UniText::gotFocus, this, [wordBox] { selectWhole(*wordBox); });
        connect(wordBox, &UniText::mouseDown, this, [this, wordBox] { wordBoxMouseDown(*wordBox); });
        connect(wordBox, &UniText::click, this, [this, wordBox] { wordBoxClick(*wordBox); });
        wordBox->installEventFilter(this);
    }
}

void KeyboardTyping::translate(const UniText &box, char16_t &code) const
{
    // Check1 ticked is Arabic mode: characters arrive as typed.
    if (m_form.Check1->value() != 1)
        code = pirtok::TranslateKey(readByPosition(box, code));
}

char16_t KeyboardTyping::readByPosition(const UniText &box, char16_t code) const
{
    // An Arabic layout's characters, and control codes, go to the map as they are.
    if (!m_anyLayout->isOn() || code < u' ' || pirtok::isArabicScript(code))
        return code;
    return pirtok::arabicCharacterAt(box.typedScanCode(), box.typedWithShift()).value_or(code);
}

void KeyboardTyping::text1KeyPress(char16_t &code)
{
    m_form.ActiveBox = 1;
    translate(*m_form.Text1, code);
}

void KeyboardTyping::text2KeyPress(char16_t &code)
{
    m_form.ActiveBox = 2;
    translate(*m_form.Text2, code);
}

void KeyboardTyping::text3KeyPress(char16_t &code)
{
    // A changed search word starts a new search run.
    m_form.ActiveBox = 3;
    m_form.SearchCount = 0;
    translate(*m_form.Text3, code);
}

void KeyboardTyping::tt1KeyPress(int index, char16_t &code)
{
    // The letter boxes end a search run but are not a box the focus returns to.
    m_form.SearchCount = 0;
    translate(*m_form.TT1[index], code);
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

void KeyboardTyping::text1MouseDown()
{
    // A click in the text ends a search run: the next search starts near the caret.
    m_form.ActiveBox = 1;
    m_form.SearchCount = 0;
}

bool KeyboardTyping::eventFilter(QObject *watched, QEvent *event)
{
    // The focus comes before the press that gave it reaches the box. Only compared, never
    // used: the box may be going away while the window closes.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
        m_enteredByMouse = watched;
    return false;
}

void KeyboardTyping::wordBoxMouseDown(UniText &box)
{
    m_form.ActiveBox = &box == m_form.Text2 ? 2 : 3;
    m_selectAfterClick = m_enteredByMouse == &box ? &box : nullptr;
    m_enteredByMouse = nullptr;
}

void KeyboardTyping::wordBoxClick(UniText &box)
{
    if (m_selectAfterClick != &box)
        return;
    m_selectAfterClick = nullptr;
    selectWhole(box);
}
