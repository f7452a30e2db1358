#pragma once

#include "ui/TwipsGeometry.h"

#include <QComboBox>

// A list with an optional edit field. click() is raised when an entry is chosen, by the
// user picking it or by the program setting the list index; typing into the edit field
// raises nothing.
class ComboBox : public QComboBox, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr, bool editable = true);

    int listIndex() const { return currentIndex(); }
    // Refuses an index the list does not have; -1 clears the choice.
    bool setListIndex(int index);
    int listCount() const { return count(); }

    QString text() const { return currentText(); }
    void setText(const QString &text);

Q_SIGNALS:
    void click();
};
