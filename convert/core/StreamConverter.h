#pragma once

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"

#include <QString>
#include <QStringView>

#include <memory>

namespace pirtok {

namespace detail {
class PairLookup;
}

// Converts a text that arrives in chunks, in constant memory. It holds back the few code
// units a rule may still need from the next chunk, so the output is identical to
// convertText() over the whole text however the input is cut.
class StreamConverter
{
public:
    StreamConverter(Direction direction, LetterPairs pairs, RunKind kind = RunKind::WholeText);
    ~StreamConverter();

    // Converts what can be decided from `chunk` and appends it to `out`.
    void feed(QStringView chunk, QString &out);
    // The text has ended: converts the held-back units and appends them to `out`.
    // The converter can be fed a new text afterwards.
    void flush(QString &out);

private:
    Direction m_direction;
    LetterPairs m_pairs;
    // Built once: the pairs never change, and feed() may come every few thousand units.
    // It points into m_pairs, so the converter is neither copied nor moved.
    std::unique_ptr<const detail::PairLookup> m_lookup;
    RunKind m_kind;
    QString m_pending; // at most MaxLookahead - 1 units held back from the last chunk
};

} // namespace pirtok
