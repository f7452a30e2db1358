#pragma once

#include <QObject>

class Form3;
class UniText;

// The Kurdish keyboard of the window's text boxes: each typed character passes through the
// character map unless the switch is in Arabic mode, and every key or mouse press keeps the
// record of which box the user works in. The two word boxes select their whole text each
// time they are entered, so that typing replaces the old word.
class KeyboardTyping : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardTyping(Form3 &form);

    // The mode switch: Kurdish (raised) <-> Arabic (pressed), then the focus goes back.
    void Label6Click();

protected:
    // Tells which word box the mouse is entering.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void translate(char16_t &code) const;
    void text1KeyPress(char16_t &code);
    void text2KeyPress(char16_t &code);
    void text3KeyPress(char16_t &code);
    void tt1KeyPress(int index, char16_t &code);
    void drawSwitch(bool pressed);
    void text1MouseDown();
    void wordBoxMouseDown(UniText &box);
    void wordBoxClick(UniText &box);

    Form3 &m_form;
    // A word box entered by a mouse press is selected whole again once that click is done,
    // since the press itself puts the caret where it was made.
    const QObject *m_enteredByMouse = nullptr;
    UniText *m_selectAfterClick = nullptr;
};
