#include "shell/MessageBoxStyle.h"

namespace MessageBoxCodes {

DecodedStyle decodeStyle(int style)
{
    using B = QMessageBox::StandardButton;
    DecodedStyle decoded;
    switch (style & ButtonsMask) {
    case 1:
        decoded.buttons = {B::Ok, B::Cancel};
        break;
    case 2:
        decoded.buttons = {B::Abort, B::Retry, B::Ignore};
        break;
    case 3:
        decoded.buttons = {B::Yes, B::No, B::Cancel};
        break;
    case 4:
        decoded.buttons = {B::Yes, B::No};
        break;
    case 5:
        decoded.buttons = {B::Retry, B::Cancel};
        break;
    default:
        decoded.buttons = {B::Ok};
        break;
    }

    // Escape means Cancel where there is one, OK on a lone OK; otherwise it is refused.
    if (decoded.buttons.contains(B::Cancel))
        decoded.escapeButton = B::Cancel;
    else if (decoded.buttons == QList<B>{B::Ok})
        decoded.escapeButton = B::Ok;

    const int defaultIndex = (style & DefaultButtonMask) >> 8;
    decoded.defaultButton = decoded.buttons.value(defaultIndex, decoded.buttons.first());

    switch (style & IconMask) {
    case 0x10:
        decoded.icon = QMessageBox::Critical;
        break;
    case 0x20:
        decoded.icon = QMessageBox::Question;
        break;
    case 0x30:
        decoded.icon = QMessageBox::Warning;
        break;
    case 0x40:
        decoded.icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    decoded.userIcon = style & UserIcon;
    decoded.help = style & HelpButton;
    return decoded;
}

int resultCode(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Cancel:
        return Cancel;
    case QMessageBox::Abort:
        return Abort;
    case QMessageBox::Retry:
        return Retry;
    case QMessageBox::Ignore:
        return Ignore;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return NotShown;
    }
}

} // namespace MessageBoxCodes
