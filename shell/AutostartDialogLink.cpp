#include "shell/AutostartDialogLink.h"

#include "shell/DesktopLauncher.h"
#include "shell/Form2.h"
#include "shell/Form3.h"

AutostartDialogLink::AutostartDialogLink(Form3 &form, SettingsStore &store, ProgramPlace place)
    : QObject(&form), m_form(form), m_store(store), m_place(std::move(place))
{
    connect(form.Label3, &Label::click, this, &AutostartDialogLink::Label3Click);
}

void AutostartDialogLink::Label3Click()
{
    // Made anew at each opening and gone when it closes.
    Form2 dialog(m_store, m_place.executable(), &DesktopLauncher::writeAutostart, &m_form);
    dialog.exec();
}
