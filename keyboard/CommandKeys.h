#pragma once

#include <QKeySequence>
#include <QObject>

#include <array>

class Form3;
class Label;

// Keys for the commands that have only a button-like label: Ctrl+B bold, Ctrl+I italic,
// Ctrl+K the keyboard mode, Ctrl+P the letter-pair panel. Each works its label as a click
// does, from anywhere in the window, the text boxes included. Every Ctrl key, the
// editors' own Ctrl+A/C/V/X too, also works by its position whatever layout is active.
class CommandKeys : public QObject
{
    Q_OBJECT

public:
    explicit CommandKeys(Form3 &form);

protected:
    // Keeps the text boxes from taking the command keys for their own editing.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Command
    {
        QKeySequence keys;
        Label *label;
    };
    std::array<Command, 4> m_commands;
};
