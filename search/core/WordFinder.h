#pragma once

#include "search/core/UpperCaseTable.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace pirtok {

// Finds a search word in a text as if both were upper-cased unit by unit and then compared
// code unit by code unit: Latin letters match without regard to case, every other letter
// only itself. The text itself is never copied or upper-cased as a whole.
class WordFinder
{
public:
    explicit WordFinder(QStringView word);

    // Length of the word, which is also the length of every match.
    qsizetype length() const { return m_word.size(); }

    // 0-based start of the first match that starts at or after `from`; -1 when there is
    // none, and always for an empty word. A `from` before the text counts as its start.
    qsizetype find(QStringView text, qsizetype from) const;

private:
    bool matchesAt(const char16_t *text) const;
    qsizetype findByTable(QStringView text, qsizetype from, qsizetype last) const;
    qsizetype findBySingleFirstUnit(QStringView text, qsizetype from, qsizetype last) const;

    const CodeUnitTable &m_upper;
    QString m_word; // upper-cased
    // Every code unit whose upper case is the word's first unit; one is the common case
    // (Arabic script, digits), and then the candidates are found by a plain unit search.
    std::vector<char16_t> m_firstUnits;
};

} // namespace pirtok
