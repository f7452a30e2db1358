#pragma once

#include "files/core/FileEncoding.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The two file dialogs of the window, each behind a replaceable function, so that tests
// script the user's choice as they do the message box's.
namespace FileDialogs {

struct SaveChoice
{
    QString path;
    pirtok::files::SaveEncoding encoding = pirtok::files::SaveEncoding::Utf8;
};

// The file the user picked to open; empty when they cancelled.
QString askOpen(QWidget *parent);
// The name and encoding the user picked to save as, starting from `suggested` and
// `current`; nothing when they cancelled.
std::optional<SaveChoice> askSave(QWidget *parent, const QString &suggested,
                                  pirtok::files::SaveEncoding current);

// Seams: an empty function restores the real dialogs.
using OpenFunction = std::function<QString(QWidget *parent)>;
using SaveFunction = std::function<std::optional<SaveChoice>(QWidget *parent, const QString &suggested,
                                                             pirtok::files::SaveEncoding current)>;
void setOpenFunction(OpenFunction function);
void setSaveFunction(SaveFunction function);

// The real dialogs behind the seams. The save dialog offers the encodings as its filters.
QString showRealOpenDialog(QWidget *parent);
std::optional<SaveChoice> showRealSaveDialog(QWidget *parent, const QString &suggested,
                                             pirtok::files::SaveEncoding current);

} // namespace FileDialogs
