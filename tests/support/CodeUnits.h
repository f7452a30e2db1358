#pragma once

// Texts pinned by code unit, so that expectations never depend on how glyphs look, and
// their readable form for failure messages ("0644 0627 064E" rather than joined glyphs).

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace codeunits {

inline QString units(std::initializer_list<char16_t> codes)
{
    QString text;
    for (char16_t code : codes)
        text.append(QChar(code));
    return text;
}

inline QString codes(const QString &text)
{
    QStringList parts;
    for (QChar unit : text)
        parts.append(QStringLiteral("%1").arg(unit.unicode(), 4, 16, QLatin1Char('0')).toUpper());
    return parts.join(QLatin1Char(' '));
}

} // namespace codeunits
