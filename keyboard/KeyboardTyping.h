#pragma once

#include <QObject>

class Form3;
class UniText;

// The Kurdish keyboard of the window's text boxes: each typed character passes through the
// character map unless the switch is in Arabic mode, and every key press keeps the record
// of which box the user works in.
class KeyboardTyping : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardTyping(Form3 &form);

    // The mode switch: Kurdish (raised) <-> Arabic (pressed), then the focus goes back.
    void Label6Click();

private:
    void translate(char16_t &code) const;
    void text1KeyPress(char16_t &code);
    void text2KeyPress(char16_t &code);
    void text3KeyPress(char16_t &code);
    void tt1KeyPress(int index, char16_t &code);
    void drawSwitch(bool pressed);

    Form3 &m_form;
};
