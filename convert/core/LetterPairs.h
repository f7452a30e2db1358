#pragma once

#include <QString>

#include <array>

namespace pirtok {

// The user's four letter pairs, as the eight letter boxes hold them: box 2k is the
// Kurdish-font letter of pair k, box 2k + 1 its Unicode letter. A box matches a source
// character only when it holds exactly that one code unit; an empty box never matches.
class LetterPairs
{
public:
    static constexpr int PairCount = 4;
    static constexpr int BoxCount = 2 * PairCount;

    LetterPairs() = default;
    explicit LetterPairs(const std::array<QString, BoxCount> &boxTexts);

    void setBox(int index, const QString &text);
    // An index outside 0..BoxCount-1 reads as an empty box and is ignored by setBox.
    const QString &box(int index) const;

    const QString &kurdishFont(int pair) const { return box(2 * pair); }
    const QString &unicode(int pair) const { return box(2 * pair + 1); }

private:
    std::array<QString, BoxCount> m_boxes;
};

} // namespace pirtok
