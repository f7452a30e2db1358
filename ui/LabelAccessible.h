#pragma once

#include <QAccessibleWidget>

class Label;

// What screen readers see of a label: its caption as its name; a button-like label is a
// push button, with a press action that works it as a click does, any other plain text.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Makes Qt's accessibility ask this class for every label; once is enough.
    static void registerFactory();

private:
    Label *label() const;
};
