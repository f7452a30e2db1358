#include "keyboard/UndoCommand.h"

#include "shell/Form3.h"
#include "shell/UndoSnapshot.h"

UndoCommand::UndoCommand(Form3 &form) : QObject(&form)
{
    connect(form.UniLabel4, &Label::click, this, [&form] { Undo(form); });
}
