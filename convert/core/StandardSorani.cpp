#include "convert/core/StandardSorani.h"

#include "convert/core/ArabicScript.h"
#include "convert/core/StandardUnits.h"
#include "convert/core/UnchangedRun.h"
#include "convert/core/UnitWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pirtok {

namespace {

using namespace arabic;
using detail::isCloser;
using detail::isOpener;
using detail::isSeparator;

// A word-final ه after these stays the consonant h (ئاه).
constexpr bool keepsFinalHeh(char16_t c)
{
    return c == Alef || c == Ae || c == Ee || c == Oe || c == Tatweel || !isLetter(c);
}

// The pass as a chain of steps, each a small streaming filter handing its output to the next
// in the order of the standard. Each keeps at most a few held-back units, so that a rule
// looking ahead (a word-final ه, the marks after a letter) needs no second walk over the line.
// A step never produces what an earlier step would still change, which makes the pass
// idempotent.
class Pass
{
public:
    enum class Runs
    {
        Copied,
        TakenUnitByUnit
    };

    Pass(const StandardSteps &steps, LineOrigin origin, QString &out, qsizetype expected, Runs runs)
        : m_copyRuns(runs == Runs::Copied), m_steps(steps),
          m_finalHeh(steps.finalHeh && origin != LineOrigin::AliFamily), m_runs(m_finalHeh),
          m_out(out, expected)
    {
    }

    void run(QStringView line)
    {
        const char16_t *at = reinterpret_cast<const char16_t *>(line.data());
        const char16_t *const end = at + line.size();
        while (at != end) {
            if (m_copyRuns && holdsNothing())
                at = copyUnchanged(at, end);
            if (at != end)
                foldAndFilter(*at++);
        }
        finish();
    }

private:
    bool holdsNothing() const
    {
        return !m_heldHeh && m_heldTatweels == 0 && m_heldCount == 0 && !m_heldFinalHeh &&
               m_heldSpaces == 0 && !isSeparator(m_lastShown);
    }

    // Most units pass every step unchanged; with nothing held back such a run is copied as
    // it is, sparing the chain, and the steps record its last unit. Returns where it ends.
    const char16_t *copyUnchanged(const char16_t *from, const char16_t *end)
    {
        m_out.makeRoom(end - from);
        char16_t *const out = m_out.cursor();
        const char16_t *at =
            m_runs.copy(from, end, detail::RunContext{continuesWord(m_lastOut), isOpener(m_lastShown)}, out);
        if (at != from) {
            m_out.setCursor(out + (at - from));
            m_lastJoined = m_lastBase = m_lastPlain = m_lastOut = m_lastShown = at[-1];
        }
        return at;
    }

    void finish()
    {
        if (m_heldHeh) {
            m_heldHeh = false;
            tatweel(Heh);
        }
        if (m_heldTatweels > 0)
            releaseTatweels();
        releaseLeftovers();
        if (m_heldFinalHeh) {
            m_heldFinalHeh = false;
            initialRe(resolveFinalHeh(u' '));
        }
        for (; m_heldSpaces > 0; --m_heldSpaces)
            m_out.put(u' ');
        m_out.finish();
    }

    // Step 1 (single letters), step 6's direction marks, and step 8.
    void foldAndFilter(char16_t c)
    {
        if (m_steps.invisibles && c != Zwnj && isInvisibleMark(c))
            return;
        if ((c & 0xFF00) == 0x0600) {
            if (m_steps.letters && detail::FoldTable[c & 0xFF] != 0)
                c = detail::FoldTable[c & 0xFF];
            else if (m_steps.digits == DigitStyle::Arabic && c >= PersianZero && c <= PersianNine)
                c = char16_t(ArabicIndicZero + (c - PersianZero));
            else if (m_steps.digits == DigitStyle::Latin && c >= PersianZero && c <= PersianNine)
                c = char16_t(u'0' + (c - PersianZero));
            else if (m_steps.digits == DigitStyle::Latin && c >= ArabicIndicZero && c <= ArabicIndicNine)
                c = char16_t(u'0' + (c - ArabicIndicZero));
        }
        zwnj(c);
    }

    // Step 2, and the ZWNJ of step 6: ه + ZWNJ and ە + ZWNJ are ە; any other ZWNJ goes.
    void zwnj(char16_t c)
    {
        if (c == Zwnj) {
            if (m_heldHeh) {
                m_heldHeh = false;
                m_lastJoined = Ae;
                tatweel(Ae);
                return;
            }
            if (m_steps.zwnj && m_lastJoined == Ae)
                return;
            if (m_steps.invisibles)
                return;
        } else if (m_heldHeh) {
            m_heldHeh = false;
            tatweel(Heh);
        }
        m_lastJoined = c;
        if (c == Heh && m_steps.zwnj) {
            m_heldHeh = true;
            return;
        }
        tatweel(c);
    }

    // Step 6's tatweel: a run touching a letter goes (marks on the left are looked through),
    // a stand-alone run stays.
    void tatweel(char16_t c)
    {
        if (c == Tatweel && m_steps.invisibles) {
            if (isLetter(m_lastBase) && m_lastBase != Tatweel)
                return;
            ++m_heldTatweels;
            return;
        }
        if (m_heldTatweels > 0) {
            if (isLetter(c))
                m_heldTatweels = 0;
            else
                releaseTatweels();
        }
        if (!isMark(c))
            m_lastBase = c;
        leftovers(c);
    }

    void releaseTatweels()
    {
        for (; m_heldTatweels > 0; --m_heldTatweels)
            leftovers(Tatweel);
        m_lastBase = Tatweel;
    }

    // Step 3 and the لّ of step 1: marks left on ی و ل ر by an incomplete conversion.
    // Holds back a base letter, or ل/ڵ + ا, until it knows what follows.
    void leftovers(char16_t c)
    {
        if (m_heldCount > 0 && absorb(c))
            return;
        releaseLeftovers();
        if (holdsAsBase(c)) {
            m_held[0] = c;
            m_heldCount = 1;
            return;
        }
        finalHeh(c);
    }

    bool holdsAsBase(char16_t c) const
    {
        if (m_steps.leftovers)
            return c == FarsiYeh || c == Ee || c == Waw || c == Oe || c == Lam || c == Lhe || c == Reh ||
                   c == Rreh;
        return m_steps.letters && c == Lam;
    }

    // Whether `c` merges into the held letters; changes them when it does.
    bool absorb(char16_t c)
    {
        const char16_t base = m_held[0];
        const bool lam = base == Lam || base == Lhe;
        const bool fatha = c == Fatha || c == Fathatan;
        if (m_heldCount == 2) { // ل/ڵ + ا
            if (fatha)
                m_held[0] = Lhe;
            return fatha;
        }
        if (!m_steps.leftovers) { // only لّ
            if (c != Shadda || base != Lam)
                return false;
            m_held[0] = Lhe;
            return true;
        }
        if (fatha && (base == FarsiYeh || base == Ee))
            m_held[0] = Ee;
        else if (fatha && (base == Waw || base == Oe))
            m_held[0] = Oe;
        else if (fatha && lam)
            m_held[0] = Lhe;
        else if (c == Kasra && (base == Reh || base == Rreh))
            m_held[0] = Rreh;
        else if (c == Shadda && base == Lam && m_steps.letters)
            m_held[0] = Lhe;
        else if ((c == AlefHamzaAbove || c == Alef) && lam)
            holdLamAlef(c == AlefHamzaAbove ? Lhe : base);
        else
            return false;
        return true;
    }

    // لأ is ڵا; ل + ا waits for a mark that would make it ڵا.
    void holdLamAlef(char16_t lam)
    {
        m_held = {lam, Alef};
        m_heldCount = 2;
    }

    void releaseLeftovers()
    {
        const int count = m_heldCount;
        m_heldCount = 0;
        for (int i = 0; i < count; ++i)
            finalHeh(m_held[i]);
    }

    // Step 4: a word-final ه in Unicode-era text is ە unless ا ە ێ ۆ stands before it.
    void finalHeh(char16_t c)
    {
        if (m_heldFinalHeh) {
            m_heldFinalHeh = false;
            initialRe(resolveFinalHeh(c));
        }
        if (c == Heh && m_finalHeh) {
            m_heldFinalHeh = true;
            m_beforeHeh = m_lastPlain;
            return;
        }
        m_lastPlain = c;
        initialRe(c);
    }

    char16_t resolveFinalHeh(char16_t next)
    {
        const bool final = !continuesWord(next);
        m_lastPlain = final && !keepsFinalHeh(m_beforeHeh) ? Ae : Heh;
        return m_lastPlain;
    }

    // Step 5: Sorani has no word-initial flap r.
    void initialRe(char16_t c)
    {
        if (c == Reh && m_steps.initialRe && !continuesWord(m_lastOut))
            c = Rreh;
        m_lastOut = c;
        punctuation(c);
    }

    // Step 7: spaces around punctuation in Arabic-script text. Spaces wait until the next
    // unit shows whether they stand before a closer or after an opener.
    void punctuation(char16_t c)
    {
        if (!m_steps.punctuation) {
            m_out.put(c);
            return;
        }
        if (c == u' ') {
            ++m_heldSpaces;
            return;
        }
        if (m_heldSpaces > 0) {
            const bool beforeCloser = isCloser(c) && (isLetter(m_lastShown) || isMark(m_lastShown));
            const bool afterOpener = isOpener(m_lastShown) && isLetter(c);
            if (beforeCloser || afterOpener)
                m_heldSpaces = 0;
            for (; m_heldSpaces > 0; --m_heldSpaces)
                m_out.put(u' ');
        } else if (isSeparator(m_lastShown) && isLetter(c)) {
            m_out.put(u' ');
        }
        m_lastShown = c;
        m_out.put(c);
    }

    const bool m_copyRuns;
    const StandardSteps &m_steps;
    const bool m_finalHeh;
    const detail::UnchangedRun m_runs;
    detail::UnitWriter m_out;

    bool m_heldHeh = false;    // step 2: a ه that a ZWNJ may follow
    char16_t m_lastJoined = 0; // step 2: the last unit passed on
    int m_heldTatweels = 0;    // step 6: a run of tatweel after a non-letter
    char16_t m_lastBase = 0;   // step 6: the last unit passed on that is not a mark
    std::array<char16_t, 2> m_held{};
    int m_heldCount = 0; // step 3: held letters
    bool m_heldFinalHeh = false;
    char16_t m_beforeHeh = 0; // step 4: what stands before the held ه
    char16_t m_lastPlain = 0; // step 4: the last unit passed on
    char16_t m_lastOut = 0;   // step 5: the last unit passed on
    int m_heldSpaces = 0;     // step 7
    char16_t m_lastShown = 0; // step 7: the last unit written that is not a space
};

bool holdsArabicScript(QStringView line)
{
    for (QChar c : line)
        if (isArabicScript(c.unicode()))
            return true;
    return false;
}

void runPass(QStringView line, const StandardSteps &steps, LineOrigin origin, QString &out, Pass::Runs runs)
{
    // Text with no Arabic script in it is none of the pass's business, invisibles included.
    if (!holdsArabicScript(line)) {
        out.append(line);
        return;
    }
    Pass pass(steps, origin, out, line.size() + line.size() / 8, runs);
    pass.run(line);
}

} // namespace

void standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin, QString &out)
{
    runPass(line, steps, origin, out, Pass::Runs::Copied);
}

void detail::standardizeLineUnitByUnit(QStringView line, const StandardSteps &steps, LineOrigin origin,
                                       QString &out)
{
    runPass(line, steps, origin, out, Pass::Runs::TakenUnitByUnit);
}

QString standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin)
{
    QString out;
    standardizeLine(line, steps, origin, out);
    return out;
}

bool disableStepByName(StandardSteps &steps, QStringView name)
{
    if (name == u"letters")
        steps.letters = false;
    else if (name == u"zwnj")
        steps.zwnj = false;
    else if (name == u"leftovers")
        steps.leftovers = false;
    else if (name == u"final-heh")
        steps.finalHeh = false;
    else if (name == u"initial-re")
        steps.initialRe = false;
    else if (name == u"invisibles")
        steps.invisibles = false;
    else if (name == u"punctuation")
        steps.punctuation = false;
    else
        return false;
    return true;
}

QStringList standardStepNames()
{
    return {QStringLiteral("letters"),    QStringLiteral("zwnj"),       QStringLiteral("leftovers"),
            QStringLiteral("final-heh"),  QStringLiteral("initial-re"), QStringLiteral("invisibles"),
            QStringLiteral("punctuation")};
}

} // namespace pirtok
