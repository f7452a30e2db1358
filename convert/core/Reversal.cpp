#include "Reversal.h"

namespace pirtok {

QString reversedText(const QString &text)
{
    return text;
}

} // namespace pirtok
