#pragma once

// A slow, literal reading of the two rule tables, kept apart from the engine's own tables
// so that a wrong row in either shows up as a difference: one `if` per row, in the
// tables' order, and nothing shared with the engine but the letter boxes' container.

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"

#include <QList>
#include <QString>

namespace reference {

// One step at the 0-based position `pos` (< source.size()): appends the first matching
// row's output to `out` and returns how many source units that row consumed.
qsizetype kurdishToUnicodeStep(const QString &source, qsizetype pos, const pirtok::LetterPairs &pairs,
                               pirtok::RunKind kind, QString &out);
qsizetype unicodeToKurdishStep(const QString &source, qsizetype pos, const pirtok::LetterPairs &pairs,
                               QString &out);

// The whole source, step after step, in one direction.
QString convert(const QString &source, pirtok::Direction direction, const pirtok::LetterPairs &pairs,
                pirtok::RunKind kind);

struct TickedRun
{
    QString result;
    int ticks = 0; // ticks taken, the one that found the source used up included
};

// A run cut into ticks of at most 80 steps, the end test before each step, the direction
// read at every tick from the list index (0, 1, or anything else for none). The indexes
// are used in turn, from the first again when they run out; they must name a direction.
TickedRun convertByTicks(const QString &source, const QList<int> &listIndexPerTick,
                         const pirtok::LetterPairs &pairs, pirtok::RunKind kind);

} // namespace reference
