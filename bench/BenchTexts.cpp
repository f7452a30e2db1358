#include "bench/BenchTexts.h"

#include "convert/core/ConversionEngine.h"

#include <QRandomGenerator>
#include <QStringList>

#include <initializer_list>

namespace benchtexts {

namespace {

QString word(std::initializer_list<char16_t> codes)
{
    QString text;
    for (char16_t code : codes)
        text.append(QChar(code));
    return text;
}

const QStringList &vocabulary()
{
    static const QStringList words = {
        word({0x06A9, 0x0648, 0x0631, 0x062F, 0x0633, 0x062A, 0x0627, 0x0646}),
        word({0x0632, 0x0645, 0x0627, 0x0646}),
        word({0x06A9, 0x0648, 0x0631, 0x062F, 0x06CC}),
        word({0x0626, 0x06D5, 0x0645, 0x06D5}),
        word({0x0686, 0x06C6, 0x0646}),
        word({0x0628, 0x0627, 0x0634, 0x06D5}),
        word({0x06AF, 0x0648, 0x06B5}),
        word({0x0695, 0x06C6, 0x0698}),
        word({0x067E, 0x06CE, 0x0646, 0x062C}),
        word({0x06A4, 0x06CC, 0x0627, 0x0646}),
        word({0x062E, 0x06D5, 0x06B5, 0x06A9}),
        word({0x0647, 0x06D5, 0x0648, 0x0644, 0x06CE, 0x0631}),
        word({0x0646, 0x0648, 0x0648, 0x0633, 0x06CC, 0x0646}),
        word({0x0645, 0x0627, 0x06B5}),
        word({0x0626, 0x0627, 0x0648}),
        word({0x0634, 0x0627, 0x0631}),
        word({0x062F, 0x06D5, 0x0631, 0x06AF, 0x0627}),
        word({0x06A9, 0x062A, 0x06CE, 0x0628}),
        word({0x0633, 0x06B5, 0x0627, 0x0648}),
        word({0x0628, 0x06D5, 0x0641, 0x0631}),
        word({0x0647, 0x0627, 0x0648, 0x0695, 0x06CE}),
        word({0x0698, 0x06CC, 0x0627, 0x0646}),
        word({0x0645, 0x0646, 0x062F, 0x0627, 0x06B5}),
        word({0x0648, 0x06B5, 0x0627, 0x062A}),
        word({0x0644, 0x06D5}),
        word({0x0628, 0x06C6}),
        word({0x0648}),
        word({0x0628, 0x0647, 0x200C}), // older Unicode texts write ە as ه + ZWNJ
        word({0x062F, 0x06D5, 0x06A9, 0x0627, 0x062A}),
        word({0x0626, 0x06CE, 0x0645, 0x06D5}),
    };
    return words;
}

} // namespace

QString unicodeText(qsizetype units)
{
    QRandomGenerator random(1987);
    const QStringList &words = vocabulary();
    const QString punctuation = word({u'.', 0x060C, 0x061F, u'!', u':'});
    QString text;
    text.reserve(units + 16);
    int inLine = 0;
    while (text.size() < units) {
        text += words.at(random.bounded(static_cast<int>(words.size())));
        if (random.bounded(9) == 0)
            text += punctuation.at(random.bounded(static_cast<int>(punctuation.size())));
        if (++inLine == 12) {
            text += QLatin1Char('\n');
            inLine = 0;
        } else {
            text += QLatin1Char(' ');
        }
    }
    text.truncate(units);
    return text;
}

QString kurdishFontText(qsizetype units)
{
    // The Kurdish fonts took the Arabic kaf for ک; everything else the reverse rules give.
    QString text =
        pirtok::convertText(unicodeText(units), pirtok::Direction::UnicodeToKurdish, pirtok::LetterPairs());
    text.replace(QChar(0x06A9), QChar(0x0643));
    text.truncate(units);
    return text;
}

} // namespace benchtexts
