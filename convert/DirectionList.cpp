#include "convert/DirectionList.h"

#include "convert/ConversionTexts.h"
#include "shell/Form3.h"

void FillDirectionList(Form3 &form)
{
    using namespace ConversionTexts;
    const QString kurdish = QString::fromUtf16(KurdishPart);
    const QString to = QString::fromUtf16(ToPartBeforeO) + form.LetterO;
    const QString unicode =
        QString::fromUtf16(UnicodeBeforeO) + form.LetterO + QString::fromUtf16(UnicodeAfterO);
    const QChar space(u' ');
    form.Combo3->clear();
    form.Combo3->addItem(kurdish + space + to + space + unicode);
    form.Combo3->addItem(unicode + space + to + space + kurdish);
}
