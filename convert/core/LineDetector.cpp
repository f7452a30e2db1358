#include "convert/core/LineDetector.h"

#include "convert/core/StreamConverter.h"

namespace pirtok {

void LineDetector::countLine(QStringView line)
{
    m_tally.add(classifyLine(line.endsWith(u'\r') ? line.chopped(1) : line));
}

void LineDetector::feed(QStringView chunk)
{
    qsizetype from = 0;
    for (qsizetype end; (end = chunk.indexOf(u'\n', from)) >= 0; from = end + 1) {
        const QStringView piece = chunk.mid(from, end - from);
        if (m_line.isEmpty() && !m_lineTooLong) {
            countLine(piece.first(std::min(piece.size(), StreamConverter::LongLineUnits)));
            continue;
        }
        if (!m_lineTooLong)
            m_line.append(
                piece.first(std::min(piece.size(), StreamConverter::LongLineUnits - m_line.size())));
        countLine(m_line);
        m_line.resize(0);
        m_lineTooLong = false;
    }
    const QStringView rest = chunk.mid(from);
    if (m_lineTooLong || rest.isEmpty())
        return;
    const qsizetype room = StreamConverter::LongLineUnits - m_line.size();
    m_line.append(rest.first(std::min(rest.size(), room)));
    m_lineTooLong = rest.size() >= room;
}

void LineDetector::finish()
{
    if (!m_line.isEmpty())
        countLine(m_line);
    m_line.resize(0);
    m_lineTooLong = false;
}

} // namespace pirtok
