#pragma once

#include "convert/core/ConversionRun.h"
#include "convert/core/Direction.h"

#include <QObject>

class Form3;
class Timer;

// Starts conversion runs of the main text, drives them tick by tick on the window's two
// timers (whole text, selection) and writes their results back. One run at a time owns
// the run state: a start of the other kind stops the run in progress, and the main text
// takes no typing while a run is going, so nothing typed is overwritten by its result.
class ConversionRunControl : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuestionThreshold = 2000; // longer sources are confirmed and reported

    explicit ConversionRunControl(Form3 &form);

    // ask: the start label asks first; the F1 key does not.
    void StartConversion(bool ask);

    QString question() const;
    QString questionTitle() const;

    // The run's state: ConvertSource, ConvertPos, ConvertResult.
    const pirtok::ConversionRun &Conversion() const { return m_conversion; }

private:
    bool confirmed(qsizetype sourceLength);
    void startRun(const QString &source, pirtok::RunKind kind);
    void tick(pirtok::RunKind kind);
    void endWholeTextRun();
    void endSelectionRun();
    void showCompletionIfLong();
    void finishRun(Timer *timer);
    Timer *timerFor(pirtok::RunKind kind) const;

    Form3 &m_form;
    pirtok::ConversionRun m_conversion;
};
