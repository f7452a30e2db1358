#include "search/core/ReplaceAll.h"

#include <algorithm>

namespace pirtok {

namespace {

// Appends pieces through a raw pointer: with a million matches, QString::append's own
// bookkeeping would cost more than finding them.
class PieceWriter
{
public:
    explicit PieceWriter(qsizetype expected) : m_text(expected, Qt::Uninitialized) {}

    void put(QStringView piece)
    {
        if (m_used + piece.size() > m_text.size())
            m_text.resize(std::max(m_text.size() * 2, m_used + piece.size())); // keeps what is written
        std::copy(piece.begin(), piece.end(), m_text.data() + m_used);
        m_used += piece.size();
    }
    qsizetype used() const { return m_used; }
    QString take()
    {
        m_text.truncate(m_used);
        return std::move(m_text);
    }

private:
    QString m_text;
    qsizetype m_used = 0;
};

} // namespace

ReplaceAllResult replaceAll(const QString &text, const WordFinder &finder, QStringView replacement)
{
    ReplaceAllResult result;
    const QStringView source(text);
    qsizetype match = finder.find(source, 0);
    if (match < 0) {
        result.text = text;
        return result;
    }

    PieceWriter out(text.size());
    qsizetype copiedUpTo = 0;
    for (; match >= 0; match = finder.find(source, copiedUpTo)) {
        out.put(source.sliced(copiedUpTo, match - copiedUpTo));
        out.put(replacement);
        copiedUpTo = match + finder.length();
        ++result.count;
        result.lastReplacementEnd = out.used();
    }
    out.put(source.sliced(copiedUpTo));
    result.text = out.take();
    return result;
}

} // namespace pirtok
