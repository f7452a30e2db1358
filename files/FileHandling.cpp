#include "files/FileHandling.h"

#include "files/BoxContextMenu.h"
#include "files/FileCommands.h"
#include "files/FileDrop.h"
#include "shell/Form3.h"

FileHandling::FileHandling(Form3 &form)
    : QObject(&form), m_commands(new FileCommands(form)), m_drop(new FileDrop(form, *m_commands)),
      m_menus(new BoxContextMenu(form, *m_commands))
{
}
