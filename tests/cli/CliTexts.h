#pragma once

#include "convert/core/LetterPairs.h"
#include "tests/support/CodeUnits.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <initializer_list>

namespace clitexts {

using codeunits::units;

// Random text over both alphabets, with the separators, marks, line breaks and surrogate
// pairs that the rules and the codecs care about, and the multi-unit sequences that the
// rules consume whole (so that chunk borders fall inside them).
inline QString randomText(quint32 seed, int tokens)
{
    static const std::array<QString, 44> pieces = {
        // Kurdish-font letters and the sequences of the multi-unit rules
        units({0x0629}), units({0x0636}), units({0x0637}), units({0x062B}), units({0x0638}), units({0x0630}),
        units({0x0624}), units({0x0648, 0x064E}), units({0x064A, 0x064E}), units({0x0644, 0x0623}),
        units({0x0644, 0x0622}), units({0x0644, 0x0627, 0x064E}), units({0x0644, 0x064E}),
        units({0x0631, 0x0650}), units({0x0649, 0x064E}), units({0x064A}), units({0x064A}), units({0x0644}),
        units({0x0627}), units({0x0643}), units({0x0647}),
        // Unicode letters
        units({0x06D5}), units({0x0686}), units({0x06AF}), units({0x067E}), units({0x06CC}), units({0x06CE}),
        units({0x06B5, 0x0627}), units({0x06B5}), units({0x0695}), units({0x06BE}), units({0x0647, 0x200C}),
        units({0x200C}), units({0x06C6}),
        // separators, marks, breaks and the rest
        units({0x0020}), units({0x002E}), units({0x061F}), units({0x0022}), units({0x064E}), units({0x0650}),
        units({0x000A}), units({0x000D, 0x000A}), units({0xD83D, 0xDE00}), units({0xD800, 0xDF48})};
    static const std::array<QString, 6> rare = {units({0x0009}), units({0x0037}), units({0x060C}),
                                                units({0xFEFF}), units({0x0061}), units({0x00E9})};
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < tokens; ++i) {
        if (random.bounded(10) == 0)
            text += rare[random.bounded(int(rare.size()))];
        else
            text += pieces[random.bounded(int(pieces.size()))];
    }
    return text;
}

// Letter pairs that override later rules, delete a letter and add one.
inline pirtok::LetterPairs somePairs()
{
    pirtok::LetterPairs pairs;
    const QString boxes[] = {units({0x0643}), units({0x06A9}), units({0x064A}), units({0x06CC}),
                             units({0x0647}), QString(),       QString(),       units({0x06BE})};
    for (int i = 0; i < pirtok::LetterPairs::BoxCount; ++i)
        pairs.setBox(i, boxes[i]);
    return pairs;
}

} // namespace clitexts
