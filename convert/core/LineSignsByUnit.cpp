// The signs of a line counted the plain way: one unit at a time, with its neighbours, and
// one word at a time. Kept as the reading the windowed count must agree with.

#include "convert/core/ArabicScript.h"
#include "convert/core/LineSigns.h"

#include <algorithm>
#include <initializer_list>

namespace pirtok::detail {

namespace {

using namespace arabic;

bool isOneOf(char16_t c, std::initializer_list<char16_t> set)
{
    return std::find(set.begin(), set.end(), c) != set.end();
}

template <std::size_t N> bool isListed(std::u16string_view word, const std::u16string_view (&list)[N])
{
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

void countWord(std::u16string_view word, LineSigns &signs)
{
    const char16_t last = word.back();
    signs[TehFinal] += last == TehMarbuta;
    signs[TehShortWord] += last == TehMarbuta && word.size() == 2;
    signs[ThehFinal] += last == Theh && word.size() > 1;
    signs[Article] +=
        word.size() >= ShortestWithArticle && word.substr(0, ArticlePrefix.size()) == ArticlePrefix;
    signs[ArabicWords] += isListed(word, ArabicWordList);
    signs[PersianWords] +=
        isListed(word, PersianWordList) || word.substr(0, PersianPrefix.size()) == PersianPrefix;
}

void countUnit(std::u16string_view line, std::size_t i, LineSigns &signs)
{
    const char16_t c = line[i];
    const char16_t before = i > 0 ? line[i - 1] : 0;
    const char16_t after = i + 1 < line.size() ? line[i + 1] : 0;
    // ی ي ى و ل carry a mark of the Ali family and Zarnegar, and so does لا.
    const bool markBase = isOneOf(before, {Yeh, AlefMaksura, FarsiYeh, Lam, Waw}) ||
                          (before == Alef && i > 1 && line[i - 2] == Lam);
    signs[Letters] += isLetter(c);
    switch (c) {
    case Ae:
    case Ee:
    case Lhe:
    case Rreh:
    case Oe:
        ++signs[KurdishLetters];
        break;
    case arabic::Veh: // Zarnegar may hold a real ڤ
        ++signs[KurdishLetters];
        ++signs[Sign::Veh];
        break;
    case Heh:
        signs[HehZwnj] += after == Zwnj;
        signs[HehRlm] += after == Rlm;
        break;
    case TehMarbuta:
        signs[TehInside] += isLetter(after);
        break;
    case Dammatan:
    case Kasratan:
        if (c == Dammatan ? markBase : before == Reh)
            ++signs[isLetter(after) ? VInside : VFinal];
        else
            ++signs[OtherMarks];
        ++signs[TanwinSukun];
        break;
    case Fathatan:
        ++signs[TanwinSukun];
        ++signs[OtherMarks];
        break;
    case Sukun:
        ++signs[TanwinSukun];
        ++signs[DammaSukun];
        ++signs[OtherMarks];
        break;
    case Damma:
        ++signs[DammaSukun];
        ++signs[OtherMarks];
        break;
    case Fatha:
        signs[MarkPairs] += markBase;
        ++signs[OtherMarks];
        break;
    case Kasra:
        signs[MarkPairs] += before == Reh;
        ++signs[OtherMarks];
        break;
    case Shadda:
        ++signs[OtherMarks];
        break;
    case Tcheh:
    case Jeh:
    case Gaf:
        ++signs[RealKurdish];
        break;
    case Peh:
        ++signs[RealPeh];
        break;
    case Keheh:
        ++signs[RealKeheh];
        break;
    case Sad:
        ++signs[SadLetter];
        break;
    case AlefHamzaBelow:
        signs[LamAlefHamzaBelow] += before == Lam;
        break;
    case Tah:
        ++signs[TahLetter];
        break;
    case AlefHamzaAbove:
        signs[AlefHamzaInside] += isLetter(before) && before != Lam && isLetter(after);
        break;
    default:
        break;
    }
}

} // namespace

LineSigns countSignsUnitByUnit(QStringView line)
{
    const std::u16string_view units(reinterpret_cast<const char16_t *>(line.utf16()),
                                    std::size_t(line.size()));
    LineSigns signs;
    // A word starts at a letter and goes on over letters, their marks and joiners.
    std::size_t wordStart = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        if (inWord && !continuesWord(c))
            countWord(units.substr(wordStart, i - wordStart), signs);
        if (!inWord)
            wordStart = i;
        inWord = inWord ? continuesWord(c) : isLetter(c);
        countUnit(units, i, signs);
    }
    if (inWord)
        countWord(units.substr(wordStart), signs);
    return signs;
}

} // namespace pirtok::detail
