#pragma once

#include <QObject>

class QKeyEvent;

// Makes every Ctrl key work by its position when the active layout gives it a non-Latin
// key (Ctrl+ش on the Arabic layout is Ctrl+A): application-wide, a Ctrl key event whose key
// is not Latin is handed on as the US layout's key of the same native scan code, so that
// shortcuts and the editors' own Ctrl+A/C/V/X fire. Latin keys, keys the table does not
// know and keys without Ctrl pass untouched.
class KeyPositionShortcuts : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application while it lives.
    explicit KeyPositionShortcuts(QObject *parent);

    // The US key standing at the position of `event`'s key, or 0 to leave the event alone.
    static int latinKeyOf(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool overrideShortcut(QObject *watched, QKeyEvent &event, int latinKey);
    bool handOn(QObject *watched, QKeyEvent &event, int latinKey);

    // A shortcut already ran for this key's press, which must not reach the widget too.
    quint32 m_pressDone = 0;
};
