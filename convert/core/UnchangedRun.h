#pragma once

namespace pirtok::detail {

// What the standard pass knows of the text just before a run starts.
struct RunContext
{
    bool wordBefore = false;   // the last unit passed on continues a word
    bool openerBefore = false; // the last unit shown is an opening bracket or quote
};

// Finds where a run of units ends that every step of the standard pass, holding nothing
// back, passes on unchanged: most of any Kurdish text. Each unit is judged by its own kind
// and the kinds of its two neighbours, from one small table, so the scan needs no branch
// per unit but the one that ends the run.
//
// A unit is unchanged when it is a letter no step touches, an ASCII letter or digit, or
// a bracket; ی ێ و ۆ ل ڵ ر ڕ ه before a letter, or (but for a ه that may turn) at a word's
// end; ا unless it follows ل with a mark after it; a separator not followed by a letter; a
// space before a letter, an opener, an ASCII letter or the line's end, but not after an
// opener. ر must stand inside a word (the initial ر turns), and ل before أ is ڵا.
class UnchangedRun
{
public:
    // `finalHehTurns`: a word-final ه may become ە in this line.
    explicit UnchangedRun(bool finalHehTurns) : m_finalHehTurns(finalHehTurns) {}

    // Copies the run that begins at `from` to `out` and returns its end: `from` itself when
    // its first unit may change. `out` must have room for all of `from` to `end`; units past
    // the run may be written there too, as the scan goes faster for not waiting to know.
    const char16_t *copy(const char16_t *from, const char16_t *end, RunContext before, char16_t *out) const;

private:
    bool m_finalHehTurns;
};

} // namespace pirtok::detail
