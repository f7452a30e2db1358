#pragma once

#include <QObject>

class Form3;

// Attaches the one-step Undo to the "Undo" label and to F2 in the main text.
class UndoCommand : public QObject
{
    Q_OBJECT

public:
    explicit UndoCommand(Form3 &form);
};
