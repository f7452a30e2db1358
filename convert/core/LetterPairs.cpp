#include "LetterPairs.h"

namespace pirtok {

LetterPairs::LetterPairs(const std::array<QString, BoxCount> &boxTexts) : m_boxes(boxTexts) {}

void LetterPairs::setBox(int index, const QString &text)
{
    if (index >= 0 && index < BoxCount)
        m_boxes[static_cast<std::size_t>(index)] = text;
}

} // namespace pirtok
