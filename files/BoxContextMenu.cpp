#include "files/BoxContextMenu.h"

#include "files/FileCommands.h"
#include "files/core/FileTexts.h"
#include "shell/Form3.h"

#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

// Draws a right-to-left menu's entries as right-to-left text. Without it the style lays the
// entry out mirrored but draws its text in the program's left-to-right direction: the words
// sit at the wrong side and an ellipsis after them at the wrong end.
class RightToLeftMenuStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuItem)
            painter->setLayoutDirection(option->direction);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

BoxContextMenu::BoxContextMenu(Form3 &form, FileCommands &commands)
    : QObject(&form), m_form(form), m_commands(commands), m_menuStyle(new RightToLeftMenuStyle)
{
    m_menuStyle->setParent(this);
    attach(form.Text1);
    attach(form.Text2);
    attach(form.Text3);
    for (UniText *box : form.TT1)
        attach(box);
}

void BoxContextMenu::attach(UniText *box)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint &position) {
        QMenu *menu = menuFor(box);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // A scroll area reports the position in its viewport.
        menu->popup(box->viewport()->mapToGlobal(position));
    });
}

QMenu *BoxContextMenu::menuFor(UniText *box) const
{
    auto *menu = new QMenu(box);
    menu->setStyle(m_menuStyle);
    menu->setLayoutDirection(Qt::RightToLeft);
    const bool selected = box->textCursor().hasSelection();
    const bool editable = !box->isReadOnly();
    const auto add = [menu](const char16_t *text, QKeySequence keys, bool enabled, auto slot) {
        QAction *action = menu->addAction(QString::fromUtf16(text), slot);
        action->setShortcut(keys);
        action->setEnabled(enabled);
    };
    add(FileTexts::Cut, QKeySequence::Cut, selected && editable, [box] { box->cut(); });
    add(FileTexts::Copy, QKeySequence::Copy, selected, [box] { box->copy(); });
    add(FileTexts::Paste, QKeySequence::Paste, editable && box->canPaste(), [box] { box->paste(); });
    add(FileTexts::Delete, QKeySequence::Delete, selected && editable, [box] {
        QTextCursor cursor = box->textCursor();
        cursor.removeSelectedText();
        box->setTextCursor(cursor);
    });
    add(FileTexts::SelectAll, QKeySequence::SelectAll, !box->document()->isEmpty(),
        [box] { box->selectAll(); });
    if (box == m_form.Text1) {
        menu->addSeparator();
        menu->addAction(m_commands.openAction());
        menu->addAction(m_commands.saveAction());
        menu->addAction(m_commands.saveAsAction());
    }
    return menu;
}
