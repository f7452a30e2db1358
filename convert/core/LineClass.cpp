#include "convert/core/LineClass.h"

#include "convert/core/LineSigns.h"

#include <algorithm>

namespace pirtok {

namespace {

using namespace detail;

LineClass aliVariant(const LineSigns &s)
{
    const int dylan = 2 * s[ThehFinal] + 2 * s[RealKurdish] + 4 * s[LamAlefHamzaBelow] - 2 * s[TahLetter];
    const int web = 2 * s[AlefHamzaInside] + 2 * s[RealKeheh] + 2 * s[DammaSukun] + s[SadLetter] +
                    (s[RealKurdish] == 0 ? s[RealPeh] : 0);
    if (dylan >= 2 && dylan > web)
        return LineClass::Dylan;
    if (web >= 2)
        return LineClass::AliWeb;
    return LineClass::AliK;
}

} // namespace

LineClass detail::classOf(const LineSigns &s)
{
    if (s[Letters] == 0)
        return LineClass::Neutral;
    // Letters no legacy writing has: the line is Unicode whatever else it holds.
    if (s[KurdishLetters] > 0 && s[KurdishLetters] != s[Veh])
        return LineClass::Unicode;
    if (s[VInside] > 0 || s[HehRlm] > 0 || (s[VFinal] > 0 && s[OtherMarks] == 0))
        return LineClass::Zarnegar;
    // Zarnegar may hold a real ڤ. Persian writes ه + ZWNJ too (خانه‌ها); only its words tell
    // it apart then.
    if (s[KurdishLetters] > 0 || (s[HehZwnj] > 0 && s[PersianWords] == 0))
        return LineClass::Unicode;
    const int foreign = 2 * s[ArabicWords] + 2 * s[PersianWords] + s[Article] + s[TanwinSukun];
    int ali = 3 * s[TehInside] + 2 * s[TehShortWord] + (s[TanwinSukun] == 0 ? 2 * s[MarkPairs] : 0);
    if (s[ArabicWords] == 0 && s[PersianWords] == 0 && s[Article] == 0)
        ali += s[TehFinal];
    if (ali > foreign)
        return aliVariant(s);
    return LineClass::Arabic;
}

LineClass classifyLine(QStringView line)
{
    return classOf(countSigns(line));
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
