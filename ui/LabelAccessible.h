#pragma once

#include <QAccessibleWidget>

class Label;

// What screen readers see of a button-like label: a push button named by its caption, with
// a press action that works it as a click does. Other labels keep Qt's own description.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Makes Qt's accessibility ask this class for every button-like label; once is enough.
    static void registerFactory();

private:
    Label *label() const;
};
