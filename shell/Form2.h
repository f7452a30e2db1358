#pragma once

#include "shell/core/WriteResult.h"
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/ImageBox.h"
#include "ui/Label.h"
#include "ui/TwipsGeometry.h"
#include "ui/UniLabel.h"

#include <QDialog>

#include <functional>

class SettingsStore;

// "Key Board Setting": one box that has the program started at log-on. Every change of the
// box rewrites the log-on entry at once; only the OK button stores the choice.
class Form2 : public QDialog, public TwipsGeometry
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 4395;
    static constexpr int ClientHeight = 2100;

    // Writes the log-on entry: the program to start, or the empty text to disable it.
    using AutostartWriter = std::function<WriteResult(const QString &executable)>;

    Form2(SettingsStore &store, QString executable, AutostartWriter writeAutostart,
          QWidget *parent = nullptr);

    CheckBox *Check1;
    UniLabel *UniLabel1;
    CommandButton *ctlUniButtonImageXP1; // OK
    Label *Label2;                       // version
    Label *Label1;                       // contact
    ImageBox *Image1;                    // background

private:
    void createControls();
    void Form_Load();
    void Check1Click();
    void UniLabel1Click();
    void ctlUniButtonImageXP1Click();
    void writeEntryForBox();

    SettingsStore &m_store;
    QString m_executable;
    AutostartWriter m_writeAutostart;
};
