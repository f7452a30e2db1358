#include "shell/DesktopLauncher.h"

#include "shell/ProgramPlace.h"
#include "shell/core/DesktopEntryText.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace DesktopLauncher {

namespace {

using DesktopEntryText::escapeValue;
using DesktopEntryText::execValue;

// The icon the build installs beside the program, else the icon theme's.
QString iconFor(const ProgramPlace &place)
{
    const QString besideProgram = QDir(place.folder).filePath(QStringLiteral("pirtok.png"));
    return QFileInfo::exists(besideProgram) ? besideProgram : QStringLiteral("pirtok");
}

WriteResult writeEntry(const QString &path, const QString &text, QFileDevice::Permissions permissions)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(permissions))
        return WriteResult::failed(path, file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return WriteResult::failed(path, file.errorString());
    return WriteResult::done();
}

constexpr QFileDevice::Permissions ReadableByAll =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
// Desktops start a launcher on the desktop only when it is executable.
constexpr QFileDevice::Permissions Executable =
    ReadableByAll | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

QString shortcutPath(const ProgramPlace &place)
{
    const QDir desktop(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    return desktop.filePath(place.name + QStringLiteral(".desktop"));
}

WriteResult writeShortcut(const ProgramPlace &place)
{
    const QString path = shortcutPath(place);
    // A user without a desktop folder gets none made for the launcher's sake.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return WriteResult::failed(path, QStringLiteral("there is no desktop folder"));
    const QString text = DesktopEntryText::compose({
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Name"), escapeValue(place.name)},
        {QStringLiteral("Comment"), escapeValue(place.name)},
        {QStringLiteral("Exec"), execValue(place.executable())},
        {QStringLiteral("Path"), escapeValue(place.folder)},
        {QStringLiteral("Icon"), escapeValue(iconFor(place))},
        {QStringLiteral("Terminal"), QStringLiteral("false")},
        {QStringLiteral("X-KDE-Shortcuts"), QString::fromUtf16(HotKey)},
    });
    return writeEntry(path, text, Executable);
}

QString autostartPath()
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QStringLiteral("autostart/Varok.desktop"));
}

WriteResult writeAutostart(const QString &executable)
{
    const QString path = autostartPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return WriteResult::failed(path, QStringLiteral("its folder cannot be made"));
    QList<QPair<QString, QString>> entries{
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Name"), QStringLiteral("Pirtok")},
        {QStringLiteral("Exec"), executable.isEmpty() ? QString() : execValue(executable)},
    };
    if (executable.isEmpty())
        entries.append({QStringLiteral("Hidden"), QStringLiteral("true")});
    return writeEntry(path, DesktopEntryText::compose(entries), ReadableByAll);
}

} // namespace DesktopLauncher
