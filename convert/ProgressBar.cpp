#include "convert/ProgressBar.h"

#include "convert/core/Progress.h"
#include "shell/Form3.h"

ProgressBar::ProgressBar(Form3 &form) : QObject(&form), m_form(form)
{
    connect(form.Label2, &Label::change, this, &ProgressBar::Label2Change);
}

void ProgressBar::Label2Change()
{
    m_form.Image2->setWidthTwips(pirtok::progressBarTwips(m_form.Label2->caption()));
}
