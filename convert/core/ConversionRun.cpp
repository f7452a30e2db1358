#include "convert/core/ConversionRun.h"

#include "convert/core/ConversionRules.h"
#include "convert/core/DirectionEntry.h"
#include "convert/core/LineConverter.h"
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
    m_lineOpen = false;
    m_line.clear();
    m_breakEnd = 0;
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
    const std::optional<DirectionEntry> entry = directionEntry(listIndex);
    if (!entry)
        return TickResult::Running; // no direction chosen: wait for one

    const ConversionPlan plan{entry->family, entry->direction, pairs, m_kind, entry->standard, {}};
    qsizetype steps = 0;
    if (plan.byLine()) {
        lineTick(plan, steps);
    } else {
        endOpenLine();
        unitTick(plan, pairs, steps);
    }
    if (steps < StepsPerTick && m_pos > m_source.size()) {
        m_active = false;
        return TickResult::Ended;
    }
    return TickResult::Running;
}

void ConversionRun::unitTick(const ConversionPlan &plan, const LetterPairs &pairs, qsizetype &steps)
{
    const detail::ConversionRules &rules = detail::ConversionRules::of(plan.family, plan.direction);
    const detail::PairLookup lookup(pairs, plan.direction, rules);
    const qsizetype size = m_source.size();
    detail::UnitWriter writer(m_result);
    // The steps stop at the end of the source; the end itself is noticed by the test
    // before the next step, which may belong to the next tick.
    const qsizetype pos = rules.run(reinterpret_cast<const char16_t *>(m_source.constData()), size, m_pos - 1,
                                    size, StepsPerTick, steps, lookup, m_kind, writer);
    m_pos = pos + 1;
}

void ConversionRun::openLine(const ConversionPlan &plan)
{
    const qsizetype pos = m_pos - 1;
    const qsizetype feed = m_source.indexOf(u'\n', pos);
    const qsizetype lineEnd = feed < 0 ? m_source.size() : feed;
    // A carriage return stays with its line feed, as in the converter of files.
    m_contentEnd = lineEnd > pos && feed >= 0 && m_source.at(lineEnd - 1) == u'\r' ? lineEnd - 1 : lineEnd;
    m_breakEnd = feed < 0 ? lineEnd : lineEnd + 1;
    m_lineClass = needsLineClass(plan) ? classifyLine(QStringView(m_source).sliced(pos, m_contentEnd - pos))
                                       : LineClass::Neutral;
    m_line.resize(0);
    m_lineOpen = true;
}

// The line's units are all in: the pass (when the entry has one) and out to the result.
void ConversionRun::closeLine(const ConversionPlan &plan)
{
    const LineTreatment treatment = treatmentOf(plan, m_lineClass);
    if (treatment.pass)
        standardizeLine(m_line, plan.steps, *treatment.pass, m_result);
    else
        m_result.append(m_line);
    m_line.resize(0);
    m_lineOpen = false;
}

// An entry that converts unit by unit took over in the middle of a line: what the line
// had so far goes out as it is.
void ConversionRun::endOpenLine()
{
    if (!m_lineOpen)
        return;
    m_result.append(m_line);
    m_line.resize(0);
    m_lineOpen = false;
}

void ConversionRun::lineTick(const ConversionPlan &plan, qsizetype &steps)
{
    LineConverter lines(plan);
    const char16_t *source = reinterpret_cast<const char16_t *>(m_source.constData());
    const qsizetype size = m_source.size();
    qsizetype pos = m_pos - 1;
    while (steps < StepsPerTick && pos < size) {
        if (!m_lineOpen && pos < m_breakEnd) {
            m_result.append(QChar(source[pos++])); // a line break: one step
            ++steps;
            continue;
        }
        if (!m_lineOpen) {
            m_pos = pos + 1;
            openLine(plan);
        }
        const LineTreatment treatment = treatmentOf(plan, m_lineClass);
        if (treatment.table) {
            // The line's end is its text's end, as in the converter of files.
            const RunKind kind = m_contentEnd == size ? m_kind : RunKind::WholeText;
            detail::UnitWriter writer(m_line);
            pos = lines.rules(*treatment.table)
                      .run(source, m_contentEnd, pos, m_contentEnd, StepsPerTick - steps, steps,
                           lines.lookup(*treatment.table), kind, writer);
        } else {
            const qsizetype count = std::min(m_contentEnd - pos, StepsPerTick - steps);
            m_line.append(QStringView(source + pos, count));
            pos += count;
            steps += count;
        }
        if (pos >= m_contentEnd)
            closeLine(plan);
    }
    // A line that ends where the source ends is closed even when the tick's steps ran out.
    if (m_lineOpen && pos >= m_contentEnd)
        closeLine(plan);
    m_pos = pos + 1;
}

QString ConversionRun::progressCaption() const
{
    return pirtok::progressCaption(m_pos, m_source.size());
}

} // namespace pirtok
