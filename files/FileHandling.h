#pragma once

#include <QObject>

class BoxContextMenu;
class FileCommands;
class FileDrop;
class Form3;

// What the window does with files and the boxes' menu, attached to the window in one
// piece: the commands, the drops and the menus that offer them.
class FileHandling : public QObject
{
    Q_OBJECT

public:
    explicit FileHandling(Form3 &form);

    FileCommands &commands() const { return *m_commands; }
    BoxContextMenu &menus() const { return *m_menus; }

private:
    FileCommands *m_commands;
    FileDrop *m_drop;
    BoxContextMenu *m_menus;
};
