#include "search/core/UpperCaseTable.h"

#include <QChar>

namespace pirtok {

namespace {

CodeUnitTable buildUpperCaseTable()
{
    CodeUnitTable table{};
    for (char32_t unit = 0; unit < CodeUnitCount; ++unit) {
        const char32_t upper = QChar::toUpper(unit);
        // An upper case that needs two units would change the text's length.
        const bool oneUnit = upper < CodeUnitCount && !QChar::isSurrogate(upper);
        table[unit] = static_cast<char16_t>(oneUnit ? upper : unit);
    }
    return table;
}

} // namespace

const CodeUnitTable &upperCaseTable()
{
    static const CodeUnitTable table = buildUpperCaseTable();
    return table;
}

} // namespace pirtok
