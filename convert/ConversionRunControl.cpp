#include "convert/ConversionRunControl.h"

#include "convert/ConversionTexts.h"
#include "convert/core/LetterPairs.h"
#include "shell/FocusReturn.h"
#include "shell/Form3.h"
#include "shell/Module1.h"
#include "shell/UndoSnapshot.h"

#include <QTextCursor>

using pirtok::RunKind;

namespace {

constexpr int TickInterval = 1;
const QString Yes = QStringLiteral("Yes");

pirtok::LetterPairs lettersOf(const Form3 &form)
{
    pirtok::LetterPairs pairs;
    for (int i = 0; i < Form3::TT1Count; ++i)
        pairs.setBox(i, form.TT1[i]->text());
    return pairs;
}

} // namespace

ConversionRunControl::ConversionRunControl(Form3 &form) : QObject(&form), m_form(form)
{
    connect(form.UniLabel5, &Label::click, this, [this] { StartConversion(true); });
    // F1 in the main text starts without the question; the key still goes on to the box.
    connect(form.Text1, &UniText::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_F1)
            StartConversion(false);
    });
    connect(form.Timer1, &Timer::tick, this, [this] { tick(RunKind::WholeText); });
    connect(form.Timer2, &Timer::tick, this, [this] { tick(RunKind::Selection); });
    connect(form.Combo3, &ComboBox::click, this, [this] { ReturnFocus(m_form); });
}

QString ConversionRunControl::question() const
{
    using namespace ConversionTexts;
    return QString::fromUtf16(QuestionStart) + m_form.LetterRr + QString::fromUtf16(QuestionAfterRr) +
           m_form.LetterEe + QString::fromUtf16(QuestionAfterEe) + m_form.Combo3->text();
}

QString ConversionRunControl::questionTitle() const
{
    using namespace ConversionTexts;
    return QString::fromUtf16(TitleStart) + m_form.LetterEe + m_form.LetterRr + QString::fromUtf16(TitleEnd);
}

void ConversionRunControl::StartConversion(bool ask)
{
    UniText &text1 = *m_form.Text1;
    // The snapshot comes first, so that Undo works even after the user says no.
    TakeUndoSnapshot(m_form);
    if (m_form.UndoText.isEmpty())
        return;

    if (ask && Module1::UnicodeMsgBox(question(), 4, questionTitle()) == 7)
        return;

    // The questions let a running run's ticks go on, so the text and selection are read
    // afresh after each of them.
    const QString selection = text1.selText();
    if (selection.isEmpty()) {
        if (confirmed(text1.text().size()))
            startRun(text1.text(), RunKind::WholeText);
    } else if (confirmed(selection.size())) {
        startRun(selection, RunKind::Selection);
    }

    if (ask)
        text1.setFocus();
}

bool ConversionRunControl::confirmed(qsizetype sourceLength)
{
    // A long source is confirmed through the yes/no dialog; a short one needs no question.
    if (sourceLength > QuestionThreshold)
        Module1::ShowForm4(*m_form.L, &m_form);
    else
        m_form.L->setCaption(Yes);
    return m_form.L->caption() == Yes;
}

Timer *ConversionRunControl::timerFor(RunKind kind) const
{
    return kind == RunKind::WholeText ? m_form.Timer1 : m_form.Timer2;
}

void ConversionRunControl::startRun(const QString &source, RunKind kind)
{
    // The run of the other kind, if any, gives up the shared run state; a run of the same
    // kind simply starts again from the beginning.
    const RunKind other = kind == RunKind::WholeText ? RunKind::Selection : RunKind::WholeText;
    timerFor(other)->setInterval(0);
    m_conversion.start(source, kind);
    m_form.Text1->setLocked(true);
    timerFor(kind)->setInterval(TickInterval);
}

void ConversionRunControl::tick(RunKind kind)
{
    pirtok::ConversionRun &run = m_conversion;
    if (!run.isActive() || run.kind() != kind) {
        timerFor(kind)->setInterval(0);
        return;
    }
    const auto outcome = run.tick(m_form.Combo3->listIndex(), lettersOf(m_form));
    m_form.Label2->setCaption(run.progressCaption());
    if (outcome == pirtok::ConversionRun::TickResult::Running)
        return;
    if (kind == RunKind::WholeText)
        endWholeTextRun();
    else
        endSelectionRun();
}

void ConversionRunControl::endWholeTextRun()
{
    UniText &text1 = *m_form.Text1;
    text1.setLocked(false);
    text1.setText(m_conversion.ConvertResult());
    // Ended from here on: no tick of this run while the completion message is open.
    m_form.Timer1->setInterval(0);
    showCompletionIfLong();
    finishRun(m_form.Timer1);
}

void ConversionRunControl::endSelectionRun()
{
    UniText &text1 = *m_form.Text1;
    text1.setLocked(false);
    // The current selection (or the caret, when it is gone) takes the result: the
    // selection as it stands now, not as it stood at the start.
    const int ConvertSelStart = text1.selStart();
    const int ConvertSelLength = text1.selLength();

    const QString &result = m_conversion.ConvertResult();
    QTextCursor splice = text1.textCursor();
    splice.setPosition(ConvertSelStart);
    splice.setPosition(ConvertSelStart + ConvertSelLength, QTextCursor::KeepAnchor);
    splice.insertText(result);

    m_form.Timer2->setInterval(0);
    showCompletionIfLong();
    text1.setFocus();
    text1.setSelStart(ConvertSelStart);
    text1.setSelLength(static_cast<int>(result.size()));
    finishRun(m_form.Timer2);
}

void ConversionRunControl::showCompletionIfLong()
{
    if (m_conversion.ConvertSource().size() <= QuestionThreshold)
        return;
    Module1::UnicodeMsgBox(QString::fromUtf16(ConversionTexts::Completed), 0,
                           QString::fromUtf16(ConversionTexts::CompletedTitle));
}

void ConversionRunControl::finishRun(Timer *timer)
{
    m_form.Label2->setCaption(QStringLiteral("%0"));
    timer->setInterval(0);
}
