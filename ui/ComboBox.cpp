#include "ui/ComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

ComboBox::ComboBox(QWidget *parent, bool editable) : QComboBox(parent), TwipsGeometry(this)
{
    setEditable(editable);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        // Completion would turn typing into a choice.
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::forgetChoiceWhenTyped);
    }
    // Once Enter in the edit field is kept out (keyPressEvent), every activation is a pick.
    connect(this, &QComboBox::activated, this, &ComboBox::click);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &ComboBox::chooseNothingAfterFirstFill);
}

bool ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        return false;
    setCurrentIndex(index);
    if (index != -1)
        Q_EMIT click();
    return true;
}

void ComboBox::setText(const QString &text)
{
    const int entry = findText(text);
    setCurrentIndex(entry);
    if (entry == -1 && isEditable())
        setEditText(text);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    // Enter would choose the entry that the typed text names.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isEditable()) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ComboBox::chooseNothingAfterFirstFill(const QModelIndex &parent, int first, int last)
{
    // Qt chooses the first entry when an empty list gets entries; here the list waits.
    const bool listWasEmpty = !parent.isValid() && first == 0 && last + 1 == count();
    if (listWasEmpty)
        setCurrentIndex(-1);
}

void ComboBox::forgetChoiceWhenTyped()
{
    if (currentIndex() == -1)
        return;
    // Dropping the choice empties the edit field; the typed text stays as it was.
    QLineEdit *edit = lineEdit();
    const QString typed = edit->text();
    const int caret = edit->cursorPosition();
    setCurrentIndex(-1);
    edit->setText(typed);
    edit->setCursorPosition(caret);
}
