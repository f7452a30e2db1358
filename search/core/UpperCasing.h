#pragma once

#include <QString>
#include <QStringView>

namespace pirtok {

// Upper-casing for search, one UTF-16 code unit at a time, so that a text and its
// upper-cased form have the same length and every position means the same in both.
// A unit whose upper case lies outside the basic plane, and each half of a surrogate
// pair, stays as it is. Arabic-script letters have no case and never change.
char16_t upperCasedUnit(char16_t unit);
QString upperCased(QStringView text);

} // namespace pirtok
