#pragma once

#include "shell/Bevels.h"

#include <QObject>

class CheckBox;
class Form3;
class Label;

// The font and style of the main text: font name and size from the two lists, bold and
// italic through the "B" and "I" toggles (their state in the hidden Check2 and Check3),
// white on black, and left-to-right writing. Only Text1 changes. The handlers run on the
// controls' click signals, so they react to the program's changes as to the user's.
class FontStyle : public QObject
{
    Q_OBJECT

public:
    explicit FontStyle(Form3 &form);

    void Combo1Click();
    void Combo2Click();
    void UniLabel6Click();
    void UniLabel7Click();
    void Check4Click();
    void Check5Click();

private:
    void toggle(Label *label, CheckBox *state, BevelLines lines);

    Form3 &m_form;
};

// Hands the whole font choice to Text1: name, size, bold, italic, in this order. A value
// the box refuses is skipped alone; the others still apply.
void ApplyFont(Form3 &form);

// Draws "B" and "I" as their states in Check2 and Check3 say: pressed for 1, raised for 0.
void DrawStyleToggles(Form3 &form);
