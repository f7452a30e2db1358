#include "keyboard/UndoCommand.h"

#include "shell/Form3.h"
#include "shell/UndoSnapshot.h"

UndoCommand::UndoCommand(Form3 &form) : QObject(&form)
{
    connect(form.UniLabel4, &Label::click, this, [&form] { Undo(form); });
    // Whatever Shift, Ctrl or Alt is held; the key still goes on to the box.
    connect(form.Text1, &UniText::keyDown, this, [&form](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_F2)
            Undo(form);
    });
}
