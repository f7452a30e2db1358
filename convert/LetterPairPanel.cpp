#include "convert/LetterPairPanel.h"

#include "shell/Form3.h"

LetterPairPanel::LetterPairPanel(Form3 &form) : QObject(&form), m_form(form)
{
    connect(form.Label14, &Label::click, this, &LetterPairPanel::Label14Click);
    connect(form.Text1, &UniText::click, this, &LetterPairPanel::Text1Click);
    for (int i = 0; i < Form3::TT1Count; ++i)
        connect(form.TT1[i], &UniText::change, this, [this, i] { TT1Change(i); });
}

void LetterPairPanel::Label14Click()
{
    m_form.Picture2->setVisible(!m_form.Picture2->isVisible());
}

void LetterPairPanel::Text1Click()
{
    if (m_form.Picture2->isVisible())
        m_form.Picture2->hide();
}

void LetterPairPanel::TT1Change(int index)
{
    UniText &box = *m_form.TT1[index];
    const QString text = box.text();
    // One character: a letter outside the basic plane keeps both of its halves, since a
    // lone half would match, and corrupt, other letters in a conversion.
    const qsizetype keep =
        text.size() >= 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate() ? 2 : 1;
    if (text.size() > keep) {
        box.setText(text.left(keep)); // itself a change, which then finds one character
        return;
    }
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(text.size()));
}
