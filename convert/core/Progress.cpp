#include "convert/core/Progress.h"

#include <cmath>

namespace pirtok {

namespace {

// Half to even under the default rounding mode (qRound would take halves away from zero).
// False for what no integer holds: infinity, NaN, out of range.
bool roundedToInt(double value, long long &rounded)
{
    if (!std::isfinite(value))
        return false;
    const double nearest = std::nearbyint(value);
    // Well inside long long; no real caption comes near it.
    if (nearest > 4.0e18 || nearest < -4.0e18)
        return false;
    rounded = static_cast<long long>(nearest);
    return true;
}

} // namespace

QString progressCaption(qsizetype position, qsizetype length)
{
    long long percent = 0;
    // A run never starts on an empty source; should one get here, show no progress
    // rather than divide by zero.
    if (length <= 0 ||
        !roundedToInt((100.0 / static_cast<double>(length)) * static_cast<double>(position), percent))
        percent = 0;
    return QLatin1Char('%') + QString::number(percent);
}

int progressBarTwips(const QString &caption)
{
    if (caption.isEmpty())
        return 0;
    bool ok = false;
    const double number = QStringView(caption).mid(1).toDouble(&ok);
    long long steps = 0;
    if (!ok || !roundedToInt(number * 19 / 100.0, steps))
        return 0;
    // A bar has no negative width; the upper clamp only keeps the product in an int.
    if (steps <= 0)
        return 0;
    constexpr long long MaxSteps = 1000000;
    return static_cast<int>(60 * (steps < MaxSteps ? steps : MaxSteps));
}

} // namespace pirtok
