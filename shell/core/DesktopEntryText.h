#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The text of a freedesktop desktop entry file, escaped so that a launcher reads back
// exactly the values given, whatever characters a path holds.
namespace DesktopEntryText {

// A string value: backslashes, line breaks, tabs and a leading space escaped.
QString escapeValue(const QString &value);

// One argument of an Exec line before the value escaping: quoted when it holds a reserved
// character, with '"', '`', '$' and '\' escaped inside the quotes and '%' doubled always.
QString quoteExecArgument(const QString &argument);

// The Exec value that starts exactly `program`, with no arguments.
QString execValue(const QString &program);

// "[Desktop Entry]" followed by one "Key=value" line per entry, in the order given. The
// values are taken as they are: escape them with the functions above.
QString compose(const QList<QPair<QString, QString>> &entries);

} // namespace DesktopEntryText
