#include "convert/core/StandardSorani.h"

namespace pirtok {

void standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin, QString &out)
{
    Q_UNUSED(steps);
    Q_UNUSED(origin);
    out.append(line);
}

QString standardizeLine(QStringView line, const StandardSteps &steps, LineOrigin origin)
{
    QString out;
    standardizeLine(line, steps, origin, out);
    return out;
}

bool disableStepByName(StandardSteps &steps, QStringView name)
{
    if (name == u"letters")
        steps.letters = false;
    else if (name == u"zwnj")
        steps.zwnj = false;
    else if (name == u"leftovers")
        steps.leftovers = false;
    else if (name == u"final-heh")
        steps.finalHeh = false;
    else if (name == u"initial-re")
        steps.initialRe = false;
    else if (name == u"invisibles")
        steps.invisibles = false;
    else if (name == u"punctuation")
        steps.punctuation = false;
    else
        return false;
    return true;
}

QStringList standardStepNames()
{
    return {QStringLiteral("letters"),    QStringLiteral("zwnj"),       QStringLiteral("leftovers"),
            QStringLiteral("final-heh"),  QStringLiteral("initial-re"), QStringLiteral("invisibles"),
            QStringLiteral("punctuation")};
}

} // namespace pirtok
