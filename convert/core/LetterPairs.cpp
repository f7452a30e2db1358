#include "convert/core/LetterPairs.h"

namespace pirtok {

LetterPairs::LetterPairs(const std::array<QString, BoxCount> &boxTexts) : m_boxes(boxTexts) {}

const QString &LetterPairs::box(int index) const
{
    static const QString empty;
    if (index < 0 || index >= BoxCount)
        return empty;
    return m_boxes[static_cast<std::size_t>(index)];
}

void LetterPairs::setBox(int index, const QString &text)
{
    if (index >= 0 && index < BoxCount)
        m_boxes[static_cast<std::size_t>(index)] = text;
}

} // namespace pirtok
