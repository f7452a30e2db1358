#pragma once

#include "shell/MessageBoxStyle.h"
#include "shell/Module1.h"

#include <QMessageBox>

// A QMessageBox that behaves as the system's box does: its style word decides buttons,
// icon and default, Escape and the close box give the escape answer or are refused, and
// the Help button asks for help without closing the box.
class SystemMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    explicit SystemMessageBox(const Module1::MessageBoxRequest &request);

    // Shows the box modally and returns the system's code of the answer.
    int run();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    MessageBoxCodes::DecodedStyle m_style;
    QAbstractButton *m_help = nullptr;
    QMessageBox::StandardButton m_answer = QMessageBox::NoButton;
};
