#include "convert/DirectionList.h"

#include "convert/ConversionTexts.h"
#include "convert/core/DirectionEntry.h"
#include "shell/Form3.h"

#include <iterator>

static_assert(2 + std::size(ConversionTexts::LaterEntries) == pirtok::DirectionEntries.size(),
              "one caption for each entry the run knows");

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
    for (const char16_t *entry : LaterEntries)
        form.Combo3->addItem(QString::fromUtf16(entry));
}
