#pragma once

#include "shell/ProgramPlace.h"

#include <QObject>

class Form3;
class SettingsStore;

// The settings symbol `Label3` opens the log-on dialog and waits until it is closed.
class AutostartDialogLink : public QObject
{
    Q_OBJECT

public:
    AutostartDialogLink(Form3 &form, SettingsStore &store, ProgramPlace place);

private:
    void Label3Click();

    Form3 &m_form;
    SettingsStore &m_store;
    ProgramPlace m_place;
};
