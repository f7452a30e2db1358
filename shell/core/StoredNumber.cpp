#include "shell/core/StoredNumber.h"

#include <QLocale>

#include <cmath>

namespace StoredNumber {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The longest number that starts at `start`: sign, digits, a decimal point with digits,
// an exponent. Returns `start` when no digit is there.
qsizetype scanNumber(QStringView text, qsizetype start)
{
    qsizetype at = start;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
    const qsizetype integerStart = at;
    at = skipDigits(text, at);
    bool digits = at > integerStart;
    if (at < text.size() && text[at] == u'.') {
        const qsizetype fractionStart = at + 1;
        const qsizetype fractionEnd = skipDigits(text, fractionStart);
        if (digits || fractionEnd > fractionStart) {
            digits = true;
            at = fractionEnd;
        }
    }
    if (!digits)
        return start;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            at = exponentEnd;
    }
    return at;
}

std::optional<int> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // The default rounding mode takes an exact half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < Minimum || rounded > Maximum)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<double> parse(QStringView number)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> numericReading(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype end = scanNumber(text, start);
    if (end == start)
        return 0;
    const std::optional<double> value = parse(text.mid(start, end - start));
    if (!value)
        return std::nullopt;
    return toInteger(*value);
}

std::optional<int> integerConversion(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype end = scanNumber(text, start);
    if (end == start || skipBlanks(text, end) != text.size())
        return std::nullopt;
    const std::optional<double> value = parse(text.mid(start, end - start));
    if (!value)
        return std::nullopt;
    return toInteger(*value);
}

} // namespace StoredNumber
