#include "shell/FocusReturn.h"

#include "shell/Form3.h"

void ReturnFocus(Form3 &form)
{
    switch (form.ActiveBox) {
    case 1:
        form.Text1->setFocus();
        break;
    case 2:
        form.Text2->setFocus();
        break;
    case 3:
        form.Text3->setFocus();
        break;
    default:
        break;
    }
}
