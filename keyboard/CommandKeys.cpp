#include "keyboard/CommandKeys.h"

#include "keyboard/KeyPositionShortcuts.h"
#include "shell/Form3.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

CommandKeys::CommandKeys(Form3 &form)
    : QObject(&form), m_commands{{{QKeySequence(Qt::CTRL | Qt::Key_B), form.UniLabel6},
                                  {QKeySequence(Qt::CTRL | Qt::Key_I), form.UniLabel7},
                                  {QKeySequence(Qt::CTRL | Qt::Key_K), form.Label6},
                                  {QKeySequence(Qt::CTRL | Qt::Key_P), form.Label14}}}
{
    for (const Command &command : m_commands) {
        auto *shortcut = new QShortcut(command.keys, &form);
        Label *label = command.label;
        connect(shortcut, &QShortcut::activated, label, &Label::performClick);
    }
    for (UniText *box : form.findChildren<UniText *>())
        box->installEventFilter(this);
    new KeyPositionShortcuts(this);
}

bool CommandKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeyCombination pressed = static_cast<QKeyEvent *>(event)->keyCombination();
    const bool isCommand =
        std::any_of(m_commands.begin(), m_commands.end(),
                    [pressed](const Command &command) { return command.keys[0] == pressed; });
    if (!isCommand)
        return false;
    // Ctrl+K would delete to the end of the line: the window's command goes first.
    event->ignore();
    return true;
}
