#pragma once

#include <QObject>

class AnyLayoutOption;
class Form3;
class SettingsStore;
class UniText;

// The Kurdish keyboard of the window's text boxes: each typed character passes through the
// character map unless the switch is in Arabic mode, and every key or mouse press keeps the
// record of which box the user works in. The two word boxes select their whole text each
// time they are entered, so that typing replaces the old word. With "Kurdish on any layout"
// on, a key that gives no Arabic-script character is first read as the Arabic layout's
// character on the same key, so Kurdish can be typed on a Latin layout too.
class KeyboardTyping : public QObject
{
    Q_OBJECT

public:
    // The store keeps the any-layout choice; it must outlive the window.
    KeyboardTyping(Form3 &form, SettingsStore &store);

    AnyLayoutOption &anyLayout() const { return *m_anyLayout; }

    // The mode switch: Kurdish (raised) <-> Arabic (pressed), then the focus goes back.
    void Label6Click();

protected:
    // Tells which word box the mouse is entering.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void translate(const UniText &box, char16_t &code) const;
    char16_t readByPosition(const UniText &box, char16_t code) const;
    void text1KeyPress(char16_t &code);
    void text2KeyPress(char16_t &code);
    void text3KeyPress(char16_t &code);
    void tt1KeyPress(int index, char16_t &code);
    void drawSwitch(bool pressed);
    void text1MouseDown();
    void wordBoxMouseDown(UniText &box);
    void wordBoxClick(UniText &box);

    Form3 &m_form;
    AnyLayoutOption *m_anyLayout;
    // A word box entered by a mouse press is selected whole again once that click is done,
    // since the press itself puts the caret where it was made.
    const QObject *m_enteredByMouse = nullptr;
    UniText *m_selectAfterClick = nullptr;
};
