#pragma once

#include <QObject>

class Form3;
class Label;
struct BevelLines;

// The looks of the window's button-like labels: the momentary ones press while a mouse
// button is held on them, "Undo" sinks while held and goes flat again when the mouse moves
// over the window's background or the main text, and the two corner symbols light up red
// while the mouse is over them. Every mouse button acts alike. Drawing only: what a label
// does when clicked belongs to its own handler.
class ButtonLooks : public QObject
{
    Q_OBJECT

public:
    explicit ButtonLooks(Form3 &form);

    // The mouse moved over the window's own background or over Text1.
    void Form_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drawMomentary(Label *label, BevelLines lines, int raisedTop, bool pressed);
    void UniLabel4MouseDown();
    void UniLabel4MouseUp();
    void Label3MouseMove();
    void Label4MouseMove();
    bool isBackgroundOrMainText(QWidget *sender, QPoint position) const;

    Form3 &m_form;
    Label *const m_undo; // "Undo"
};
