// The file procedures of Module1.
#include "shell/Module1.h"
#include "shell/core/SavedTextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

namespace Module1 {

QString ReadWholeFile(const QString &path, bool *unreadable)
{
    if (unreadable)
        *unreadable = false;
    const QFileInfo info(path);
    // Only a regular file is read: opening a pipe put in its place would wait for ever.
    if (info.exists() && !info.isFile()) {
        if (unreadable)
            *unreadable = true;
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (unreadable)
            *unreadable = info.exists() || info.isSymLink();
        return QString();
    }
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError && bytes.size() == file.size())
            return SavedTextCodec::decode(bytes);
    } catch (const std::bad_alloc &) {
        // Too large to hold: reported like any other file that cannot be read.
    }
    if (unreadable)
        *unreadable = true;
    return QString();
}

WriteResult ReplaceFile(const QString &path, const QString &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failed(path, file.errorString());
    // Private to its owner; a file system without permissions keeps the text all the same.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = SavedTextCodec::encode(content);
    // Under a file-size limit a write can stop short without an error; committing then
    // would put a truncated file in the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return WriteResult::failed(path, file.errorString());
    if (!file.commit())
        return WriteResult::failed(path, file.errorString());
    return WriteResult::done();
}

} // namespace Module1
