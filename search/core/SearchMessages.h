#pragma once

#include <QString>

namespace pirtok {

// The Kurdish messages that end a search run, assembled from their fixed pieces and the
// two letters the window holds outside the Arabic code page.
class SearchMessages
{
public:
    SearchMessages(QString letterEe, QString letterRr);

    QString notFound() const;  // the word is not in the text at all
    QString noMore() const;    // no further occurrence
    QString completed() const; // replace all is done
    // Two line breaks and the sentence giving the number of replaced words.
    QString countLine(qsizetype count) const;

    // The message of a search that found nothing: `firstStep` when it was the first step
    // of its run (then the count line is left out), `replaceAllRun` while replace all runs.
    QString closing(bool firstStep, bool replaceAllRun, const QString &countLine) const;

private:
    QString m_letterEe;
    QString m_letterRr;
};

} // namespace pirtok
