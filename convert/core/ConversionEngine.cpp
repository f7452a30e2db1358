#include "convert/core/ConversionEngine.h"

#include "convert/core/ConversionRules.h"
#include "convert/core/UnitWriter.h"

#include <limits>

namespace pirtok {

qsizetype convertStep(Direction direction, QStringView source, qsizetype pos, const LetterPairs &pairs,
                      RunKind kind, QString &out)
{
    if (pos < 0 || pos >= source.size())
        return 0; // nothing to read: no step, rather than a read past the text
    const detail::PairLookup lookup(pairs, direction);
    detail::UnitWriter writer(out);
    qsizetype steps = 0;
    const qsizetype next = detail::ConversionRules::of(direction).run(
        source.utf16(), source.size(), pos, pos + 1, 1, steps, lookup, kind, writer);
    return next - pos;
}

QString convertText(QStringView source, Direction direction, const LetterPairs &pairs, RunKind kind)
{
    QString result;
    const detail::PairLookup lookup(pairs, direction);
    {
        // Most texts keep their length or grow a little (a few letters become two units).
        detail::UnitWriter writer(result, source.size() + source.size() / 8);
        qsizetype steps = 0;
        detail::ConversionRules::of(direction).run(source.utf16(), source.size(), 0, source.size(),
                                                   std::numeric_limits<qsizetype>::max(), steps, lookup, kind,
                                                   writer);
    }
    return result;
}

} // namespace pirtok
