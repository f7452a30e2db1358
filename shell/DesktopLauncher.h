#pragma once

#include "shell/core/WriteResult.h"

#include <QString>

struct ProgramPlace;

// The program's places on the user's desktop: the launcher made on the first run, with its
// hot key, and the entry that starts the program at log-on.
namespace DesktopLauncher {

inline constexpr char16_t HotKey[] = u"Ctrl+Alt+J";

// <desktop folder>/<program name>.desktop
QString shortcutPath(const ProgramPlace &place);
// Writes the launcher, executable, replacing one of the same name. Fails when the desktop
// folder is missing or the file could not be written.
WriteResult writeShortcut(const ProgramPlace &place);

// $XDG_CONFIG_HOME/autostart/Varok.desktop
QString autostartPath();
// Makes the log-on entry start `executable`; an empty one keeps the entry but disables it.
WriteResult writeAutostart(const QString &executable);

} // namespace DesktopLauncher
