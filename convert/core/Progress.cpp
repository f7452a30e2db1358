#include "Progress.h"

namespace pirtok {

QString progressCaption(qsizetype, qsizetype)
{
    return QStringLiteral("%0");
}

int progressBarTwips(const QString &)
{
    return 0;
}

} // namespace pirtok
