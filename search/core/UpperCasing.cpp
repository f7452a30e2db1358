#include "search/core/UpperCasing.h"

#include "search/core/UpperCaseTable.h"

namespace pirtok {

char16_t upperCasedUnit(char16_t unit)
{
    return upperCaseTable()[unit];
}

QString upperCased(QStringView text)
{
    const auto &table = upperCaseTable();
    QString upper(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(upper.data());
    for (const QChar unit : text)
        *out++ = table[unit.unicode()];
    return upper;
}

} // namespace pirtok
