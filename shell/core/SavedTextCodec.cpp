#include "shell/core/SavedTextCodec.h"

#include <QtEndian>

namespace SavedTextCodec {

QByteArray encode(const QString &text)
{
    QByteArray bytes(text.size() * qsizetype(sizeof(char16_t)), Qt::Uninitialized);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    const qsizetype wholeUnits = bytes.size() / 2;
    const bool oddByte = bytes.size() % 2 != 0;
    QString text(wholeUnits + (oddByte ? 1 : 0), Qt::Uninitialized);
    auto *units = reinterpret_cast<char16_t *>(text.data());
    qFromLittleEndian<char16_t>(bytes.constData(), wholeUnits, units);
    if (oddByte)
        units[wholeUnits] = static_cast<unsigned char>(bytes.back());
    return text;
}

} // namespace SavedTextCodec
