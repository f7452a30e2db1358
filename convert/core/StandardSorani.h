#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pirtok {

// How the standard pass writes digits: Arabic-Indic (the digits of Sorani), ASCII, or as found.
enum class DigitStyle
{
    Arabic,
    Latin,
    Keep
};

// The steps of the standard Sorani pass, each on unless switched off.
struct StandardSteps
{
    bool letters = true, zwnj = true, leftovers = true, finalHeh = true, initialRe = true, invisibles = true,
         punctuation = true;
    DigitStyle digits = DigitStyle::Arabic;
};

// Where a line's text came from; decides the word-final ه.
enum class LineOrigin
{
    AliFamily,
    Zarnegar,
    Unicode
};

// The standard pass over ONE line (no line break inside it), appended to `out`.
// Idempotent; linear; no allocation per character.
void standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin, QString &out);
QString standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin);

namespace detail {
// The same pass with every unit taken through the chain of steps, no run of unchanged units
// copied in one go: the plain reading that the fast one must agree with.
void standardizeLineUnitByUnit(QStringView line, const StandardSteps &steps, LineOrigin origin, QString &out);
} // namespace detail

// The step switch names, in step order, as the command line offers them after "--no-".
bool disableStepByName(StandardSteps &steps, QStringView name); // false: no such step
QStringList standardStepNames();

} // namespace pirtok
