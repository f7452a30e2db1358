#include "StreamConverter.h"

#include <utility>

namespace pirtok {

StreamConverter::StreamConverter(Direction direction, LetterPairs pairs, RunKind kind)
    : m_direction(direction), m_pairs(std::move(pairs)), m_kind(kind)
{
}

void StreamConverter::feed(QStringView chunk, QString &out)
{
    out.append(chunk);
}

void StreamConverter::flush(QString &)
{
    m_pending.clear();
}

} // namespace pirtok
