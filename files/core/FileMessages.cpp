#include "files/core/FileMessages.h"

#include "files/core/FileTexts.h"

namespace pirtok::files {

namespace {

QString text(const char16_t *units)
{
    return QString::fromUtf16(units);
}

} // namespace

QString openFaultMessage(const QString &fileName, const ReadFault &fault)
{
    if (fault.kind == ReadFault::Kind::Unreadable)
        return text(FileTexts::OpenFailed).arg(fileName, fault.reason);
    return text(FileTexts::OpenRefused).arg(fileName).arg(fault.offset);
}

QString saveFaultMessage(const QString &fileName, SaveEncoding encoding, const WriteFault &fault)
{
    if (fault.kind == WriteFault::Kind::Unencodable) {
        const char32_t character = fault.character;
        return text(FileTexts::SaveRefused)
            .arg(QString::fromUcs4(&character, 1),
                 QStringLiteral("%1").arg(quint32(character), 4, 16, QLatin1Char('0')).toUpper(),
                 encodingName(encoding));
    }
    return text(FileTexts::SaveFailed).arg(fileName, fault.reason);
}

QString filesJoinedMessage(int count)
{
    return text(FileTexts::FilesJoined).arg(count);
}

QString fileCaption(const QString &fileName, const QString &encoding)
{
    return fileName + QStringLiteral(" \u2014 ") + encoding;
}

} // namespace pirtok::files
