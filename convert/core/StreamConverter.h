#pragma once

#include "convert/core/ConversionPlan.h"
#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace pirtok {

namespace detail {
class ConversionRules;
class PairLookup;
} // namespace detail
class LineConverter;
struct LineTreatment;

// Converts a text that arrives in chunks, in constant memory, so that the output is
// identical to a conversion of the whole text however the input is cut. A plain table
// conversion holds back the few code units a rule may still need from the next chunk; a
// plan that works line by line (the standard pass, or a table chosen per line) holds
// back the line that has not ended yet, and cuts a line longer than LongLineUnits
// between two words.
class StreamConverter
{
public:
    StreamConverter(Direction direction, LetterPairs pairs, RunKind kind = RunKind::WholeText);
    explicit StreamConverter(ConversionPlan plan);
    ~StreamConverter();

    // Converts what can be decided from `chunk` and appends it to `out`.
    void feed(QStringView chunk, QString &out);
    // The text has ended: converts the held-back units and appends them to `out`.
    // The converter can be fed a new text afterwards.
    void flush(QString &out);

    // A longer line is converted in pieces cut after a space between two letters; its
    // first piece decides its class.
    static constexpr qsizetype LongLineUnits = qsizetype(1) << 18;

private:
    void feedUnits(QStringView chunk, QString &out);
    void feedLines(QStringView chunk, QString &out);
    void convertLine(QStringView line, bool textEnds, QString &out);
    void cutLongLine(QString &out);

    // Built once: the plan never changes, and feed() may come every few thousand units.
    // They point into m_plan, so the converter is neither copied nor moved.
    ConversionPlan m_plan;
    const detail::ConversionRules *m_rules = nullptr;
    std::unique_ptr<const detail::PairLookup> m_lookup;
    std::unique_ptr<LineConverter> m_lines; // only for a plan that works line by line
    QString m_pending;                      // the held-back units: fewer than MaxLookahead, or the open line
    // A long line that goes on keeps the treatment its first piece chose.
    std::unique_ptr<LineTreatment> m_longLine;
};

} // namespace pirtok
