#pragma once

#include "convert/core/ConversionPlan.h"
#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/LineClass.h"

#include <QString>

namespace pirtok {

// A conversion run cut into ticks of at most StepsPerTick steps, so that a window stays
// live while a long text converts. It owns its source, position and result.
class ConversionRun
{
public:
    static constexpr int StepsPerTick = 80;

    enum class TickResult
    {
        Running,
        Ended
    };

    // Starts (or restarts) a run over `source`: position 1, empty result.
    void start(const QString &source, RunKind kind);
    // Ends the run early; isActive() is false afterwards. Source, position and result
    // stay readable until the next start.
    void stop();

    // One tick: up to StepsPerTick steps in the direction named by `listIndex` (an entry
    // of DirectionEntries; any other value converts nothing), with the end test before
    // each step. The entries that write standard Sorani convert line by line: a line's
    // units are steps, its line break too, and the pass follows when its last unit is in.
    // Returns Ended when the end test found the source used up; the run is then no longer
    // active, and a tick of a run that is not active does nothing and returns Ended.
    // The cost of a tick does not grow with the text, as long as the caller does not keep
    // a copy of ConvertResult() between ticks (the next tick would have to detach it).
    TickResult tick(int listIndex, const LetterPairs &pairs);

    bool isActive() const { return m_active; }
    RunKind kind() const { return m_kind; }

    const QString &ConvertSource() const { return m_source; }
    qsizetype ConvertPos() const { return m_pos; } // 1-based index of the next character
    const QString &ConvertResult() const { return m_result; }

    // "%" and the rounded percentage of ConvertPos in ConvertSource (may pass 100).
    QString progressCaption() const;

private:
    void unitTick(const ConversionPlan &plan, const LetterPairs &pairs, qsizetype &steps);
    void lineTick(const ConversionPlan &plan, qsizetype &steps);
    void openLine(const ConversionPlan &plan);
    void closeLine(const ConversionPlan &plan);
    void endOpenLine();

    QString m_source;
    QString m_result;
    qsizetype m_pos = 1;
    RunKind m_kind = RunKind::WholeText;
    bool m_active = false;

    // The line a line-by-line entry is converting: its units after their table so far,
    // where its content and its line break end in the source, and its class.
    bool m_lineOpen = false;
    QString m_line;
    qsizetype m_contentEnd = 0;
    qsizetype m_breakEnd = 0;
    LineClass m_lineClass = LineClass::Neutral;
};

} // namespace pirtok
