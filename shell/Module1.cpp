#include "shell/Module1.h"

#include "shell/Form4.h"
#include "shell/MessageBoxStyle.h"
#include "shell/SystemMessageBox.h"
#include "ui/Label.h"

#include <QApplication>

namespace Module1 {

namespace {

MessageBoxFunction &messageBoxFunction()
{
    static MessageBoxFunction function;
    return function;
}

Form4Function &form4Function()
{
    static Form4Function function;
    return function;
}

} // namespace

int UnicodeMsgBox(const QString &prompt, int buttons, QString title, const std::optional<QString> &iconName,
                  OwnerWindow ownerWindow)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.owner = ownerWindow.activeWindow ? QApplication::activeWindow() : ownerWindow.window;
    request.title = title.isEmpty() ? QStringLiteral("Pirtok") : std::move(title);
    request.buttons = buttons;
    if (iconName) {
        // A named icon of the program's own replaces the standard icon bits.
        request.buttons = (buttons & ~MessageBoxCodes::IconMask) | MessageBoxCodes::UserIcon;
        request.iconName = iconName;
    }
    if (const MessageBoxFunction &scripted = messageBoxFunction())
        return scripted(request);
    return showSystemMessageBox(request);
}

void ShowForm4(Label &answer, QWidget *owner)
{
    if (const Form4Function &scripted = form4Function()) {
        scripted(answer);
        return;
    }
    showRealForm4(answer, owner);
}

void setMessageBoxFunction(MessageBoxFunction function)
{
    messageBoxFunction() = std::move(function);
}

void setForm4Function(Form4Function function)
{
    form4Function() = std::move(function);
}

int showSystemMessageBox(const MessageBoxRequest &request)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return MessageBoxCodes::NotShown;
    SystemMessageBox box(request);
    return box.run();
}

void showRealForm4(Label &answer, QWidget *owner)
{
    Form4 dialog(answer, owner);
    dialog.exec();
}

} // namespace Module1
