#pragma once

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"

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

    // One tick: up to StepsPerTick steps in the direction named by `listIndex`
    // (0 or 1; any other value converts nothing), with the end test before each step.
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
    QString m_source;
    QString m_result;
    qsizetype m_pos = 1;
    RunKind m_kind = RunKind::WholeText;
    bool m_active = false;
};

} // namespace pirtok
