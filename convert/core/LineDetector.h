#pragma once

#include "convert/core/LineClass.h"

#include <QString>
#include <QStringView>

namespace pirtok {

// Classes every line of a text that arrives in chunks and counts them, in constant
// memory: a line longer than StreamConverter::LongLineUnits is classed by its beginning.
class LineDetector
{
public:
    void feed(QStringView chunk);
    // The text has ended: its last line, when it has no line feed, is counted too.
    void finish();
    const LineClassTally &tally() const { return m_tally; }

private:
    void countLine(QStringView line);

    LineClassTally m_tally;
    QString m_line;             // the beginning of the line that has not ended yet
    bool m_lineTooLong = false; // its beginning is all that is kept
};

} // namespace pirtok
