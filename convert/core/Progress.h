#pragma once

#include <QString>

namespace pirtok {

// "%" followed by (100 / length) * position rounded half to even: the progress caption.
QString progressCaption(qsizetype position, qsizetype length);

// Width in twips of the progress bar for a caption such as "%37" (420 twips):
// 60 twips for each of 19 steps, rounded half to even; 0 for a caption without a number.
int progressBarTwips(const QString &caption);

} // namespace pirtok
