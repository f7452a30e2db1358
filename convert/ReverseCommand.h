#pragma once

#include <QObject>

class Form3;

// Reverses the main text code unit by code unit: nothing asked, no undo snapshot; then the
// focus goes back to the box the user works in.
class ReverseCommand : public QObject
{
    Q_OBJECT

public:
    explicit ReverseCommand(Form3 &form);
};
