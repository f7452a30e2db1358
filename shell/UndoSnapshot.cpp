#include "shell/UndoSnapshot.h"

#include "shell/Form3.h"

void TakeUndoSnapshot(Form3 &form)
{
    form.UndoSelText = form.Text1->selText();
    form.UndoSelStart = form.Text1->selStart();
    form.UndoText = form.Text1->text();
}

void Undo(Form3 &form)
{
    UniText &text1 = *form.Text1;
    QString current = text1.text();
    text1.setText(form.UndoText);
    form.UndoText = std::move(current);
    text1.setFocus();
    // The snapshot's selection, both after an undo and after the redo that follows it.
    text1.setSelStart(form.UndoSelStart);
    text1.setSelLength(static_cast<int>(form.UndoSelText.size()));
    text1.setFocus();
}
