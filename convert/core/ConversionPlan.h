#pragma once

#include "convert/core/Direction.h"
#include "convert/core/Family.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/StandardSorani.h"

namespace pirtok {

// Everything a conversion is asked for: the writing, the way, the user's letter pairs
// (they take part in the window's own writing only) and the standard pass after it.
struct ConversionPlan
{
    Family family = Family::KurdishFont;
    Direction direction = Direction::KurdishToUnicode;
    LetterPairs pairs;
    RunKind kind = RunKind::WholeText;
    bool standard = false; // the standard Sorani pass on the Unicode it writes
    StandardSteps steps;

    // Text that is already Unicode has nothing to gain but the pass.
    bool passes() const
    {
        return direction == Direction::KurdishToUnicode && (standard || family == Family::Unicode);
    }
    // Line by line: the pass works on lines, and Auto chooses a table per line.
    bool byLine() const { return passes() || family == Family::Auto || family == Family::Unicode; }
};

} // namespace pirtok
