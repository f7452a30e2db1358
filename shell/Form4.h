#pragma once

#include "ui/CommandButton.h"
#include "ui/TwipsGeometry.h"
#include "ui/UniLabel.h"

#include <QDialog>

class Label;

// The yes/no question before a long conversion. Its answer goes to the caption of the
// main window's hidden label: "No" from the moment it opens, "Yes" only when pressed.
class Form4 : public QDialog, public TwipsGeometry
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 4050;
    static constexpr int ClientHeight = 1575;

    Form4(Label &answer, QWidget *parent = nullptr);

    UniLabel *UniLabel5;
    CommandButton *Command2; // "Yes"
    CommandButton *Command1; // "No"

private:
    void Command2Click();
    void Command1Click();

    Label &m_answer;
};
