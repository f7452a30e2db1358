#pragma once

#include <QObject>

class FileCommands;
class Form3;
class QMenu;
class QStyle;
class UniText;

// The Kurdish menu of the text boxes on a right-click: cut, copy, paste, delete and select
// all in every box, and in the main text also open, save and save as. An entry that would
// do nothing is shown disabled.
class BoxContextMenu : public QObject
{
    Q_OBJECT

public:
    BoxContextMenu(Form3 &form, FileCommands &commands);

    // The menu for `box` as it stands now; the caller owns it.
    QMenu *menuFor(UniText *box) const;

private:
    void attach(UniText *box);

    Form3 &m_form;
    FileCommands &m_commands;
    QStyle *m_menuStyle; // the menus' style, which outlives them
};
