#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

// The permission bits of the file or folder at `path` (set-id and sticky bits included,
// so that a stray one fails a comparison), or -1 when there is none.
inline int modeOf(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}
