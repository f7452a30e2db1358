#include "shell/SavedTextPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString FileName = QStringLiteral("Text.ini");

QString stateFolder()
{
    // A relative XDG_STATE_HOME is invalid and ignored, as for the other XDG folders.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state))
        return state;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

QString SavedTextPath()
{
    const QString tmp = qEnvironmentVariable("TMP");
    if (!tmp.isEmpty())
        return QDir(tmp).filePath(FileName);

    const QString folder = stateFolder() + QStringLiteral("/Pirtok");
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QDir(folder).filePath(FileName);
}
