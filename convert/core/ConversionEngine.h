#pragma once

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"

#include <QString>
#include <QStringView>

namespace pirtok {

// The longest rule input is three code units, and the separator rule looks one unit past
// its ي: a step at position p never reads beyond p + MaxLookahead - 1.
inline constexpr qsizetype MaxLookahead = 3;

// True for the 32 characters after which a final ي becomes ى.
bool isSeparator(char16_t unit);

// One conversion step at the 0-based position `pos` of `source` (pos < source.size()):
// applies the first matching rule of the direction, appends its output to `out` and
// returns the number of source code units it consumed (1 to 3). A `pos` outside the
// source is no step: nothing is appended and 0 is returned.
// `kind` only matters for a ي that is the source's last code unit.
qsizetype convertStep(Direction direction, QStringView source, qsizetype pos, const LetterPairs &pairs,
                      RunKind kind, QString &out);

// The whole text at once: exactly what a tick-by-tick run of the same kind gives.
QString convertText(QStringView source, Direction direction, const LetterPairs &pairs,
                    RunKind kind = RunKind::WholeText);

} // namespace pirtok
