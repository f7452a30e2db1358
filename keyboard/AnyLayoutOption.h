#pragma once

#include <QObject>

class QAction;
class SettingsStore;
class UniLabel;

// "Kurdish on any layout": a checkable entry of the keyboard switch's context menu, kept in
// the settings store as soon as the user changes it. While it is on, Kurdish typing reads
// a key that gives no Arabic-script character by its position on the Arabic layout.
class AnyLayoutOption : public QObject
{
    Q_OBJECT

public:
    // The store must outlive the switch.
    AnyLayoutOption(UniLabel &keyboardSwitch, SettingsStore &store);
    ~AnyLayoutOption() override;

    bool isOn() const;
    QAction *action() const { return m_action; }

private:
    void store(bool on);

    SettingsStore &m_store;
    QAction *m_action;
    // The last change could not be stored; the end of the window tries once more.
    bool m_unsaved = false;
};
