#pragma once

// Helpers shared by the conversion tests: texts pinned by code point, readable failure
// output, and random texts that are dense in the letters the rules react to.

#include "convert/core/Direction.h"
#include "convert/core/LetterPairs.h"
#include "tests/support/CodeUnits.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace testtexts {

using codeunits::codes;
using codeunits::units;

inline pirtok::LetterPairs pairs(std::initializer_list<std::pair<int, QString>> boxes)
{
    pirtok::LetterPairs result;
    for (const auto &[index, text] : boxes)
        result.setBox(index, text);
    return result;
}

// Units every rule of both directions starts with or looks at, some separators and
// non-separators, plain letters and a surrogate pair.
inline const QString &interestingUnits()
{
    static const QString all = units({
        0x0629, 0x0636, 0x0637, 0x062B, 0x0638, 0x0630, 0x0624, 0x0648, 0x064E, 0x064A, 0x0644,
        0x0623, 0x0622, 0x0627, 0x0631, 0x0650, 0x0649, 0x0647, 0x200C, 0x06D5, 0x0686, 0x06AF,
        0x067E, 0x06A4, 0x0698, 0x06CC, 0x06C6, 0x06CE, 0x06B5, 0x0695, 0x06BE, 0x0628, 0x0646,
        u' ',   u'.',   u'?',   0x061F, 0x060C, u'\n',  u'\t',  u'7',   u'a',
    });
    return all;
}

inline QString randomText(QRandomGenerator &random, int length)
{
    const QString &alphabet = interestingUnits();
    QString text;
    while (text.size() < length) {
        if (random.bounded(40) == 0) {
            text.append(QChar(0xD83D)); // a character above U+FFFF: two units
            text.append(QChar(0xDE00));
            continue;
        }
        text.append(alphabet.at(random.bounded(static_cast<int>(alphabet.size()))));
    }
    return text;
}

// Pairs that react to units the rules also take, plus an emptying and a lengthening one.
inline pirtok::LetterPairs busyPairs()
{
    return pairs({{0, units({0x0644})},
                  {1, QStringLiteral("L")},
                  {2, units({0x0636})},
                  {3, QString()},
                  {4, QStringLiteral(".")},
                  {5, units({0x06B5})},
                  {6, units({0x064A})},
                  {7, QStringLiteral("xyz")}});
}

} // namespace testtexts
