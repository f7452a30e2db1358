#include "files/core/FileEncoding.h"

namespace pirtok::files {

QString encodingName(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case FileEncoding::Utf8Marked:
        return QStringLiteral("UTF-8 BOM");
    case FileEncoding::Utf16Le:
        return QStringLiteral("UTF-16LE");
    case FileEncoding::Utf16Be:
        return QStringLiteral("UTF-16BE");
    case FileEncoding::Cp1256:
        return QStringLiteral("cp1256");
    }
    return {};
}

QString encodingName(SaveEncoding encoding)
{
    switch (encoding) {
    case SaveEncoding::Utf8:
        return encodingName(FileEncoding::Utf8);
    case SaveEncoding::Utf16Le:
        return encodingName(FileEncoding::Utf16Le);
    case SaveEncoding::Cp1256:
        return encodingName(FileEncoding::Cp1256);
    }
    return {};
}

} // namespace pirtok::files
