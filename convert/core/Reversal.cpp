#include "convert/core/Reversal.h"

#include <algorithm>

namespace pirtok {

QString reversedText(const QString &text)
{
    QString reversed(text.size(), Qt::Uninitialized);
    std::reverse_copy(text.cbegin(), text.cend(), reversed.begin());
    return reversed;
}

} // namespace pirtok
