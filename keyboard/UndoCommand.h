#pragma once

#include <QObject>

class Form3;

// The one-step undo of the main text, shared by conversions and replacements: a snapshot
// taken before they change the text, and an Undo that swaps text and snapshot, so that a
// second Undo redoes.
void TakeUndoSnapshot(Form3 &form);
void Undo(Form3 &form);

// Attaches Undo to the "Undo" label.
class UndoCommand : public QObject
{
    Q_OBJECT

public:
    explicit UndoCommand(Form3 &form);
};
