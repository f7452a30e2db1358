#include "ui/ComboBox.h"

#include <QLineEdit>

ComboBox::ComboBox(QWidget *parent, bool editable) : QComboBox(parent), TwipsGeometry(this)
{
    setEditable(editable);
    if (editable)
        setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ComboBox::click);
}

bool ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        return false;
    setCurrentIndex(index);
    Q_EMIT click();
    return true;
}

void ComboBox::setText(const QString &text)
{
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(findText(text));
}
