#pragma once

#include <QByteArray>
#include <QString>

// The saved text's byte form: every UTF-16 code unit as two bytes, low byte first, with no
// mark, header or terminator.
namespace SavedTextCodec {

QByteArray encode(const QString &text);

// An odd final byte becomes one more unit with a zero high byte.
QString decode(const QByteArray &bytes);

} // namespace SavedTextCodec
