#include "convert/core/StreamConverter.h"

#include "convert/core/ArabicScript.h"
#include "convert/core/ConversionEngine.h"
#include "convert/core/ConversionRules.h"
#include "convert/core/LineConverter.h"
#include "convert/core/UnitWriter.h"

#include <limits>
#include <memory>
#include <utility>

namespace pirtok {

namespace {

constexpr qsizetype NoLimit = std::numeric_limits<qsizetype>::max();

// Where a long line may be cut so that both pieces convert as the whole does: after a
// space between two letters, where no rule and no step of the pass looks across. Only
// the first `limit` units are searched, so the cut does not depend on how the text came
// in. Without such a space: after the last space or tab, or at the limit.
qsizetype cutPoint(QStringView line, qsizetype limit)
{
    qsizetype blank = -1;
    for (qsizetype i = limit - 2; i > 0; --i) {
        const char16_t unit = line[i].unicode();
        if (unit != u' ' && unit != u'\t')
            continue;
        if (unit == u' ' && arabic::isLetter(line[i - 1].unicode()) &&
            arabic::isLetter(line[i + 1].unicode()))
            return i + 1;
        if (blank < 0)
            blank = i + 1;
    }
    return blank > 0 ? blank : limit;
}

} // namespace

StreamConverter::StreamConverter(Direction direction, LetterPairs pairs, RunKind kind)
    : StreamConverter(ConversionPlan{Family::KurdishFont, direction, std::move(pairs), kind, false, {}})
{
}

StreamConverter::StreamConverter(ConversionPlan plan) : m_plan(std::move(plan))
{
    if (m_plan.byLine()) {
        m_lines = std::make_unique<LineConverter>(m_plan);
        return;
    }
    m_rules = &detail::ConversionRules::of(m_plan.family, m_plan.direction);
    m_lookup = std::make_unique<const detail::PairLookup>(m_plan.pairs, m_plan.direction, *m_rules);
    m_pending.reserve(MaxLookahead - 1);
}

StreamConverter::~StreamConverter() = default;

void StreamConverter::feed(QStringView chunk, QString &out)
{
    if (m_lines)
        feedLines(chunk, out);
    else
        feedUnits(chunk, out);
}

// A step is taken only where all MaxLookahead units it might read are at hand: then it
// decides exactly as it would over the whole text. The at most MaxLookahead - 1 units that
// are left wait for the next chunk or for flush().
void StreamConverter::feedUnits(QStringView chunk, QString &out)
{
    const detail::PairLookup &lookup = *m_lookup;
    const detail::ConversionRules &rules = *m_rules;
    detail::UnitWriter writer(out, chunk.size() + chunk.size() / 8);
    qsizetype steps = 0;
    qsizetype offset = 0; // where the steps go on in `chunk`

    if (!m_pending.isEmpty()) {
        // Join the held-back units with the head of the chunk in a small buffer, so the
        // chunk itself is never copied.
        char16_t joined[2 * MaxLookahead];
        const qsizetype held = m_pending.size();
        for (qsizetype i = 0; i < held; ++i)
            joined[i] = m_pending.at(i).unicode();
        const qsizetype head = chunk.size() < MaxLookahead + 1 ? chunk.size() : MaxLookahead + 1;
        for (qsizetype i = 0; i < head; ++i)
            joined[held + i] = chunk.at(i).unicode();
        const qsizetype size = held + head;
        const qsizetype stop = size - (MaxLookahead - 1);
        qsizetype pos = 0;
        if (stop > 0) {
            const qsizetype limit = held < stop ? held : stop;
            pos = rules.run(joined, size, 0, limit, NoLimit, steps, lookup, m_plan.kind, writer);
        }
        if (pos < held) {
            // The chunk was too short to decide: it lies whole in `joined`; keep the rest.
            m_pending.resize(size - pos);
            for (qsizetype i = pos; i < size; ++i)
                m_pending[i - pos] = QChar(joined[i]);
            return;
        }
        m_pending.clear();
        offset = pos - held;
    }

    const qsizetype stop = chunk.size() - (MaxLookahead - 1);
    if (offset < stop)
        offset =
            rules.run(chunk.utf16(), chunk.size(), offset, stop, NoLimit, steps, lookup, m_plan.kind, writer);
    m_pending.append(chunk.mid(offset));
}

// Whole lines of the chunk are converted where they lie; only the line still open at its
// end is copied, to wait for the rest.
void StreamConverter::feedLines(QStringView chunk, QString &out)
{
    qsizetype from = 0;
    for (qsizetype end; (end = chunk.indexOf(u'\n', from)) >= 0; from = end + 1) {
        if (m_pending.isEmpty()) {
            convertLine(chunk.mid(from, end - from), false, out);
        } else {
            m_pending.append(chunk.mid(from, end - from));
            convertLine(m_pending, false, out);
            m_pending.resize(0);
        }
        out.append(u'\n');
        m_longLine.reset();
    }
    m_pending.append(chunk.mid(from));
    while (m_pending.size() > LongLineUnits)
        cutLongLine(out);
}

// A line's carriage return stays with its line feed, outside what the line's steps see.
void StreamConverter::convertLine(QStringView line, bool textEnds, QString &out)
{
    const bool carriageReturn = line.endsWith(u'\r');
    const QStringView content = carriageReturn ? line.chopped(1) : line;
    const LineTreatment treatment = m_longLine ? *m_longLine : m_lines->treatmentFor(content);
    m_lines->convert(content, treatment, textEnds ? m_plan.kind : RunKind::WholeText, out);
    if (carriageReturn)
        out.append(u'\r');
}

void StreamConverter::cutLongLine(QString &out)
{
    const QStringView line(m_pending);
    const qsizetype cut = cutPoint(line, LongLineUnits);
    const QStringView piece = line.first(cut);
    if (!m_longLine)
        m_longLine = std::make_unique<LineTreatment>(m_lines->treatmentFor(piece));
    m_lines->convert(piece, *m_longLine, RunKind::WholeText, out);
    m_pending.remove(0, cut);
}

void StreamConverter::flush(QString &out)
{
    if (m_lines) {
        if (!m_pending.isEmpty())
            convertLine(m_pending, true, out);
    } else if (!m_pending.isEmpty()) {
        detail::UnitWriter writer(out);
        qsizetype steps = 0;
        // The text ends here: the last units are converted as the end of the text.
        m_rules->run(reinterpret_cast<const char16_t *>(m_pending.constData()), m_pending.size(), 0,
                     m_pending.size(), NoLimit, steps, *m_lookup, m_plan.kind, writer);
    }
    m_pending.clear();
    m_longLine.reset();
}

} // namespace pirtok
