#include "convert/LetterPairPanel.h"

#include "shell/Form3.h"

namespace {

// How many code units of `text` make its first character: one for a letter of the basic
// plane, two for both halves of a letter beyond it, none when the text is empty or starts
// with a lone half. A lone half would match, and corrupt, the other half of a letter in a
// conversion, so it is no character a box may keep.
qsizetype firstCharacterLength(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const QChar first = text.at(0);
    if (!first.isSurrogate())
        return 1;
    return first.isHighSurrogate() && text.size() >= 2 && text.at(1).isLowSurrogate() ? 2 : 0;
}

} // namespace

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
    const qsizetype keep = firstCharacterLength(text);
    if (text.size() > keep) {
        box.setText(text.left(keep)); // itself a change, which then finds it kept
        return;
    }
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(text.size()));
}
