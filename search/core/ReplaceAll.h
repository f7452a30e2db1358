#pragma once

#include "search/core/WordFinder.h"

#include <QString>
#include <QStringView>

namespace pirtok {

// What replacing every match gives: the new text, how many were replaced, and where the
// last replacement ends (0-based, in the new text; 0 when nothing was replaced).
struct ReplaceAllResult
{
    QString text;
    qsizetype count = 0;
    qsizetype lastReplacementEnd = 0;
};

// Replaces every match of `finder`'s word in `text`, leftmost first, each search going on
// behind the match it replaced, so matches never overlap and a replacement is never
// searched again. Runs in one pass over the text, however many matches there are.
ReplaceAllResult replaceAll(const QString &text, const WordFinder &finder, QStringView replacement);

} // namespace pirtok
