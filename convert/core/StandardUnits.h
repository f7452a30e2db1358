#pragma once

#include "convert/core/ArabicScript.h"

#include <array>

namespace pirtok::detail {

// The letters that have one standard spelling, whatever stands around them.
struct LetterFold
{
    char16_t from, to;
};
constexpr LetterFold LetterFolds[] = {
    {arabic::Kaf, arabic::Keheh},          {arabic::SwashKaf, arabic::Keheh},
    {arabic::Yeh, arabic::FarsiYeh},       {arabic::AlefMaksura, arabic::FarsiYeh},
    {arabic::YehBarree, arabic::FarsiYeh}, {arabic::TehMarbuta, arabic::Ae},
    {arabic::HehDoachashmee, arabic::Heh}, {arabic::HighHamzaWaw, arabic::Oe},
};

// The same folds as a lookup over the Arabic block (0 = no fold).
constexpr std::array<char16_t, 256> foldTable()
{
    std::array<char16_t, 256> table{};
    for (const LetterFold &fold : LetterFolds)
        table[fold.from & 0xFF] = fold.to;
    return table;
}
constexpr std::array<char16_t, 256> FoldTable = foldTable();

// No space before these, in Arabic-script text.
constexpr bool isCloser(char16_t c)
{
    switch (c) {
    case u'.':
    case u',':
    case arabic::Comma:
    case arabic::Semicolon:
    case arabic::QuestionMark:
    case u'!':
    case u':':
    case u';':
    case u')':
    case u']':
    case u'\u00BB':
        return true;
    default:
        return false;
    }
}

// No space after these, in Arabic-script text.
constexpr bool isOpener(char16_t c)
{
    return c == u'(' || c == u'[' || c == u'\u00AB';
}

// One space after these when an Arabic-script letter follows directly.
constexpr bool isSeparator(char16_t c)
{
    return isCloser(c) && c != u')' && c != u']' && c != u'\u00BB';
}

} // namespace pirtok::detail
