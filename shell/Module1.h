#pragma once

#include "shell/core/WriteResult.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class Label;

// The procedures the whole program shares: the one message box, the yes/no dialog and the
// file procedures of the saved text.
namespace Module1 {

// The whole file at `path` as UTF-16 little-endian code units; the empty text when it is
// missing or cannot be read. `unreadable` (when given) tells a file that is there but
// could not be read whole from one that is missing.
QString ReadWholeFile(const QString &path, bool *unreadable = nullptr);

// Replaces the file at `path` with `content` as UTF-16 little-endian code units, readable
// by its owner only. The new file takes the old one's place only when every byte was
// written, so a failed save leaves the previous file whole; the result says why it failed.
WriteResult ReplaceFile(const QString &path, const QString &content);

// Which window owns a message box: a given one, or the window active in the program.
struct OwnerWindow
{
    static OwnerWindow active() { return {}; }
    static OwnerWindow of(QWidget *window) { return OwnerWindow{window, false}; }

    QWidget *window = nullptr;
    bool activeWindow = true;
};

// Everything a message box is shown with, after the defaults are applied.
struct MessageBoxRequest
{
    QString prompt;
    int buttons = 0;
    QString title;
    std::optional<QString> iconName;
    QPointer<QWidget> owner;
};

// Shows `prompt` and returns the pressed button in the system's codes (1 OK ... 7 No),
// 0 when no box could be shown. An empty title shows the program's title.
int UnicodeMsgBox(const QString &prompt, int buttons, QString title,
                  const std::optional<QString> &iconName = std::nullopt,
                  OwnerWindow ownerWindow = OwnerWindow::active());

// Shows the yes/no dialog modally; its answer is left in the caption of `answer`.
void ShowForm4(Label &answer, QWidget *owner = nullptr);

// Seams: tests put scripted answers here. An empty function restores the real dialogs.
using MessageBoxFunction = std::function<int(const MessageBoxRequest &)>;
using Form4Function = std::function<void(Label &answer)>;
void setMessageBoxFunction(MessageBoxFunction function);
void setForm4Function(Form4Function function);

// The real dialogs behind the seams.
int showSystemMessageBox(const MessageBoxRequest &request);
void showRealForm4(Label &answer, QWidget *owner);

} // namespace Module1
