#include "shell/SavedTextPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString FileName = QStringLiteral("Text.ini");

} // namespace

QString StateFolder()
{
    // A relative XDG_STATE_HOME is invalid and ignored, as for the other XDG folders.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = !state.isEmpty() && QDir::isAbsolutePath(state)
                             ? state
                             : QDir::homePath() + QStringLiteral("/.local/state");
    const QString folder = base + QStringLiteral("/Pirtok");
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

QString SavedTextPath()
{
    const QString tmp = qEnvironmentVariable("TMP");
    if (!tmp.isEmpty())
        return QDir(tmp).filePath(FileName);

    return QDir(StateFolder()).filePath(FileName);
}
