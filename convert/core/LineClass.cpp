#include "convert/core/LineClass.h"

#include "convert/core/LineSigns.h"

#include <algorithm>

namespace pirtok {

LineClass classifyLine(QStringView line)
{
    return detail::classifyByWindows(line);
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
    if (total() == 0)
        return QStringLiteral("empty");
    const auto lines = [](qint64 n) {
        return QString::number(n) + (n == 1 ? QStringLiteral(" line") : QStringLiteral(" lines"));
    };
    std::array<LineClass, LineClassCount - 1> order{LineClass::AliK,    LineClass::AliWeb,
                                                    LineClass::Dylan,   LineClass::Zarnegar,
                                                    LineClass::Unicode, LineClass::Arabic};
    // Most lines first; a stable sort keeps the order above among equals.
    std::stable_sort(order.begin(), order.end(),
                     [this](LineClass a, LineClass b) { return count(a) > count(b); });
    QString text;
    for (LineClass c : order) {
        const qint64 n = count(c);
        if (n == 0)
            continue;
        // The verdict, first, names its unit; the rest follow as bare counts.
        const bool verdict = text.isEmpty();
        if (!verdict)
            text += QStringLiteral(", ");
        text += lineClassName(c);
        text += QStringLiteral(" (");
        text += verdict ? lines(n) : QString::number(n);
        text += QLatin1Char(')');
    }
    if (text.isEmpty())
        return QStringLiteral("neutral (%1)").arg(lines(count(LineClass::Neutral)));
    return text;
}

} // namespace pirtok
