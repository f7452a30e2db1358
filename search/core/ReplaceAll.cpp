#include "search/core/ReplaceAll.h"

namespace pirtok {

ReplaceAllResult replaceAll(const QString &text, const WordFinder &finder, QStringView replacement)
{
    ReplaceAllResult result;
    const QStringView source(text);
    qsizetype match = finder.find(source, 0);
    if (match < 0) {
        result.text = text;
        return result;
    }

    QString &out = result.text;
    if (replacement.size() <= finder.length())
        out.reserve(text.size());
    qsizetype copiedUpTo = 0;
    for (; match >= 0; match = finder.find(source, copiedUpTo)) {
        out.append(source.sliced(copiedUpTo, match - copiedUpTo));
        out.append(replacement);
        copiedUpTo = match + finder.length();
        ++result.count;
        result.lastReplacementEnd = out.size();
    }
    out.append(source.sliced(copiedUpTo));
    return result;
}

} // namespace pirtok
