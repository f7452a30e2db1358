#include "convert/core/LineClass.h"

namespace pirtok {

LineClass classifyLine(QStringView line)
{
    Q_UNUSED(line);
    return LineClass::Neutral;
}

QStringView lineClassName(LineClass c)
{
    switch (c) {
    case LineClass::AliK:
        return u"ali-k";
    case LineClass::AliWeb:
        return u"ali-web";
    case LineClass::Dylan:
        return u"dylan";
    case LineClass::Zarnegar:
        return u"zarnegar";
    case LineClass::Unicode:
        return u"unicode";
    case LineClass::Arabic:
        return u"arabic";
    case LineClass::Neutral:
        break;
    }
    return u"neutral";
}

void LineClassTally::add(LineClass c)
{
    ++m_counts[static_cast<std::size_t>(c)];
}

qint64 LineClassTally::count(LineClass c) const
{
    return m_counts[static_cast<std::size_t>(c)];
}

qint64 LineClassTally::total() const
{
    qint64 sum = 0;
    for (qint64 n : m_counts)
        sum += n;
    return sum;
}

QString LineClassTally::summary() const
{
    return QStringLiteral("empty");
}

} // namespace pirtok
