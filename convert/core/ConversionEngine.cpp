#include "ConversionEngine.h"

namespace pirtok {

bool isSeparator(char16_t unit)
{
    return unit == u' ';
}

qsizetype convertStep(Direction, QStringView source, qsizetype pos, const LetterPairs &, RunKind,
                      QString &out)
{
    out.append(source.at(pos));
    return 1;
}

QString convertText(QStringView source, Direction, const LetterPairs &, RunKind)
{
    return source.toString();
}

} // namespace pirtok
