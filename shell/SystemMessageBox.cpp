#include "shell/SystemMessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

SystemMessageBox::SystemMessageBox(const Module1::MessageBoxRequest &request)
    : QMessageBox(request.owner), m_style(MessageBoxCodes::decodeStyle(request.buttons))
{
    setWindowTitle(request.title);
    setText(request.prompt);
    setTextFormat(Qt::PlainText);
    // Kurdish messages read right to left and can be copied.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (request.prompt.isRightToLeft())
        setLayoutDirection(Qt::RightToLeft);

    for (QMessageBox::StandardButton button : m_style.buttons)
        addButton(button);
    if (m_style.help)
        m_help = addButton(QMessageBox::Help);
    setDefaultButton(m_style.defaultButton);

    QPixmap userIcon;
    if (m_style.userIcon && request.iconName) {
        userIcon.load(QStringLiteral(":/pirtok/") + *request.iconName);
        if (userIcon.isNull())
            userIcon.load(QStringLiteral(":/pirtok/") + *request.iconName + QStringLiteral(".png"));
    }
    if (!userIcon.isNull())
        setIconPixmap(userIcon);
    else
        setIcon(m_style.icon);

    if (m_style.escapeButton == QMessageBox::NoButton)
        setWindowFlag(Qt::WindowCloseButtonHint, false);
}

int SystemMessageBox::run()
{
    // A press on Help asks for help and leaves the question open.
    do {
        m_answer = QMessageBox::NoButton;
        exec();
        if (!m_answer)
            m_answer = standardButton(clickedButton());
    } while (m_help && clickedButton() == m_help && m_answer == QMessageBox::Help);
    return MessageBoxCodes::resultCode(m_answer);
}

void SystemMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    if (m_style.escapeButton != QMessageBox::NoButton) {
        m_answer = m_style.escapeButton;
        done(0);
    }
}

void SystemMessageBox::closeEvent(QCloseEvent *event)
{
    if (m_style.escapeButton == QMessageBox::NoButton && !m_answer) {
        event->ignore();
        return;
    }
    if (!m_answer)
        m_answer = m_style.escapeButton;
    QMessageBox::closeEvent(event);
}
