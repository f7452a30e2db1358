#include "ReverseCommand.h"

#include "Form3.h"
#include "Reversal.h"

ReverseCommand::ReverseCommand(Form3 &form) : QObject(&form)
{
    connect(form.UniButton1, &UniButton::click, this,
            [&form] { form.Text1->setText(pirtok::reversedText(form.Text1->text())); });
}
