#pragma once

#include <QObject>

class Form3;

// The panel of the user's letter pairs: shown and hidden by its label, hidden by a click
// in the main text; each letter box keeps one whole character (or nothing), selected so the
// next typed letter replaces it.
class LetterPairPanel : public QObject
{
    Q_OBJECT

public:
    explicit LetterPairPanel(Form3 &form);

private:
    void Label14Click();
    void Text1Click();
    void TT1Change(int index);

    Form3 &m_form;
};
