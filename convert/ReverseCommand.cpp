#include "convert/ReverseCommand.h"

#include "convert/core/Reversal.h"
#include "shell/FocusReturn.h"
#include "shell/Form3.h"

ReverseCommand::ReverseCommand(Form3 &form) : QObject(&form)
{
    connect(form.UniButton1, &UniButton::click, this, [&form] {
        // While a conversion run holds the text, a reversal would be overwritten by its result.
        if (form.Text1->isReadOnly())
            return;
        form.Text1->setText(pirtok::reversedText(form.Text1->text()));
        // The next keystrokes belong to the box the user works in, not to the button.
        ReturnFocus(form);
    });
}
