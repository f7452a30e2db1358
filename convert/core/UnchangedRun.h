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
// A unit is unchanged when it is a letter no step touches, ا or أ, or an ASCII letter or
// digit; or ی ێ و ۆ ل ڵ ر ڕ ه or a space before a letter that no mark can merge with;
// or, but for ه where the word-final ه turns, one of those letters before a space. ر must
// stand inside a word (the initial ر turns), and a space must not follow an opener.
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
