#include "convert/core/ConversionRun.h"

#include "convert/core/ConversionRules.h"
#include "convert/core/Progress.h"
#include "convert/core/UnitWriter.h"

namespace pirtok {

void ConversionRun::start(const QString &source, RunKind kind)
{
    m_source = source;
    // The result grows to about the source's length: one allocation now instead of
    // copies of an ever longer result while the ticks go on.
    m_result = QString();
    m_result.reserve(source.size() + source.size() / 8 + 16);
    m_pos = 1;
    m_kind = kind;
    m_active = true;
}

void ConversionRun::stop()
{
    // Source, position and result stay readable until the next start.
    m_active = false;
}

ConversionRun::TickResult ConversionRun::tick(int listIndex, const LetterPairs &pairs)
{
    if (!m_active)
        return TickResult::Ended;
    const std::optional<Direction> direction = directionFromListIndex(listIndex);
    if (!direction)
        return TickResult::Running; // no direction chosen: wait for one

    const detail::PairLookup lookup(pairs, *direction);
    const detail::ConversionRules &rules = detail::ConversionRules::of(*direction);
    const qsizetype size = m_source.size();
    qsizetype steps = 0;
    {
        detail::UnitWriter writer(m_result);
        qsizetype pos = m_pos - 1;
        // The steps stop at the end of the source; the end itself is noticed by the test
        // before the next step, which may belong to the next tick.
        pos = rules.run(reinterpret_cast<const char16_t *>(m_source.constData()), size, pos, size,
                        StepsPerTick, steps, lookup, m_kind, writer);
        m_pos = pos + 1;
    }
    if (steps < StepsPerTick && m_pos > size) {
        m_active = false;
        return TickResult::Ended;
    }
    return TickResult::Running;
}

QString ConversionRun::progressCaption() const
{
    return pirtok::progressCaption(m_pos, m_source.size());
}

} // namespace pirtok
