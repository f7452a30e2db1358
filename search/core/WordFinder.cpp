#include "search/core/WordFinder.h"

#include "search/core/UpperCaseTable.h"
#include "search/core/UpperCasing.h"

#include <algorithm>

namespace pirtok {

WordFinder::WordFinder(QStringView word) : m_upper(upperCaseTable()), m_word(upperCased(word))
{
    if (m_word.isEmpty())
        return;
    const char16_t first = m_word.at(0).unicode();
    for (std::size_t unit = 0; unit < CodeUnitCount; ++unit) {
        if (m_upper[unit] == first)
            m_firstUnits.push_back(static_cast<char16_t>(unit));
    }
}

bool WordFinder::matchesAt(const char16_t *text) const
{
    const char16_t *word = QStringView(m_word).utf16();
    const qsizetype length = m_word.size();
    for (qsizetype k = 0; k < length; ++k) {
        if (m_upper[text[k]] != word[k])
            return false;
    }
    return true;
}

qsizetype WordFinder::find(QStringView text, qsizetype from) const
{
    if (m_word.isEmpty())
        return -1;
    from = std::max<qsizetype>(from, 0);
    const qsizetype last = text.size() - m_word.size(); // the last start a match fits at
    if (from > last)
        return -1;
    return m_firstUnits.size() == 1 ? findBySingleFirstUnit(text, from, last) : findByTable(text, from, last);
}

qsizetype WordFinder::findBySingleFirstUnit(QStringView text, qsizetype from, qsizetype last) const
{
    const char16_t first = m_firstUnits.front();
    const char16_t *units = text.utf16();
    const char16_t *end = units + last + 1;
    for (const char16_t *at = std::find(units + from, end, first); at != end;
         at = std::find(at + 1, end, first)) {
        if (matchesAt(at))
            return at - units;
    }
    return -1;
}

qsizetype WordFinder::findByTable(QStringView text, qsizetype from, qsizetype last) const
{
    const char16_t first = m_word.at(0).unicode();
    const char16_t *units = text.utf16();
    for (qsizetype i = from; i <= last; ++i) {
        if (m_upper[units[i]] == first && matchesAt(units + i))
            return i;
    }
    return -1;
}

} // namespace pirtok
