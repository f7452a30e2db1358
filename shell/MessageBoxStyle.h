#pragma once

#include <QMessageBox>

// The system message box's style word and result codes, and their Qt counterparts.
namespace MessageBoxCodes {

enum Result
{
    NotShown = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

enum Style : int
{
    ButtonsMask = 0x000F,
    YesNo = 0x0004, // the Yes and No buttons
    IconMask = 0x0070,
    UserIcon = 0x0080,
    DefaultButtonMask = 0x0F00,
    HelpButton = 0x4000,
};

struct DecodedStyle
{
    QList<QMessageBox::StandardButton> buttons; // in the system's order, left to right
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // The button that Escape and the close box stand for; NoButton: they are refused.
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool help = false;
    bool userIcon = false;
};

DecodedStyle decodeStyle(int style);
int resultCode(QMessageBox::StandardButton button);

} // namespace MessageBoxCodes
