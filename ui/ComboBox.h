#pragma once

#include "ui/TwipsGeometry.h"

#include <QComboBox>

// A list with an optional edit field. Nothing is chosen (list index -1) until the program or
// the user chooses an entry, also once the list is filled. click() is raised when the user
// picks an entry (from the open list, or by stepping to it with the keys or the wheel) and
// when the program sets a valid list index. Typing into the edit field raises nothing and
// chooses nothing: the typed text stands on its own, with list index -1.
class ComboBox : public QComboBox, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr, bool editable = true);

    int listIndex() const { return currentIndex(); }
    // Refuses an index the list does not have. A valid index chooses that entry and raises
    // click(); -1 clears the choice and raises nothing.
    bool setListIndex(int index);
    int listCount() const { return count(); }

    QString text() const { return currentText(); }
    // Chooses the entry of exactly this text, or none; raises nothing. An edit field shows
    // the text either way.
    void setText(const QString &text);

Q_SIGNALS:
    void click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseNothingAfterFirstFill(const QModelIndex &parent, int first, int last);
    void forgetChoiceWhenTyped();
};
