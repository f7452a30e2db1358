#include "search/core/SearchMessages.h"

#include "search/core/SearchTexts.h"

namespace pirtok {

using namespace SearchTexts;

SearchMessages::SearchMessages(QString letterEe, QString letterRr)
    : m_letterEe(std::move(letterEe)), m_letterRr(std::move(letterRr))
{
}

QString SearchMessages::notFound() const
{
    return QString::fromUtf16(NotFoundBeforeEe) + m_letterEe + QString::fromUtf16(NotInItAfterEe);
}

QString SearchMessages::noMore() const
{
    return QString::fromUtf16(NoMoreBeforeEe) + m_letterEe + QString::fromUtf16(NotInItAfterEe);
}

QString SearchMessages::completed() const
{
    return QString::fromUtf16(CompletedBeforeEe) + m_letterEe + m_letterRr +
           QString::fromUtf16(CompletedAfterRr);
}

QString SearchMessages::countLine(qsizetype count) const
{
    return QString::fromUtf16(CountLineBreaks) + QString::fromUtf16(CountBeforeEe) + m_letterEe +
           QString::fromUtf16(CountAfterEe) + QString::number(count) + QString::fromUtf16(CountAfterNumber) +
           m_letterEe + QString::fromUtf16(CountEnd);
}

QString SearchMessages::closing(bool firstStep, bool replaceAllRun, const QString &countLine) const
{
    if (firstStep)
        return notFound();
    return (replaceAllRun ? completed() : noMore()) + countLine;
}

} // namespace pirtok
