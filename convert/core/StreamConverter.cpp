#include "convert/core/StreamConverter.h"

#include "convert/core/ConversionEngine.h"
#include "convert/core/ConversionRules.h"
#include "convert/core/UnitWriter.h"

#include <limits>
#include <memory>
#include <utility>

namespace pirtok {

namespace {

constexpr qsizetype NoLimit = std::numeric_limits<qsizetype>::max();

} // namespace

StreamConverter::StreamConverter(Direction direction, LetterPairs pairs, RunKind kind)
    : m_direction(direction), m_pairs(std::move(pairs)),
      m_lookup(std::make_unique<const detail::PairLookup>(m_pairs, m_direction)), m_kind(kind)
{
    m_pending.reserve(MaxLookahead - 1);
}

StreamConverter::~StreamConverter() = default;

// A step is taken only where all MaxLookahead units it might read are at hand: then it
// decides exactly as it would over the whole text. The at most MaxLookahead - 1 units that
// are left wait for the next chunk or for flush().
void StreamConverter::feed(QStringView chunk, QString &out)
{
    const detail::PairLookup &lookup = *m_lookup;
    const detail::ConversionRules &rules = detail::ConversionRules::of(m_direction);
    detail::UnitWriter writer(out, chunk.size() + chunk.size() / 8);
    qsizetype steps = 0;
    qsizetype offset = 0; // where the steps go on in `chunk`

    if (!m_pending.isEmpty()) {
        // Join the held-back units with the head of the chunk in a small buffer, so the
        // chunk itself is never copied.
        char16_t joined[2 * MaxLookahead];
        const qsizetype held = m_pending.size();
        for (qsizetype i = 0; i < held; ++i)
            joined[i] = m_pending.at(i).unicode();
        const qsizetype head = chunk.size() < MaxLookahead + 1 ? chunk.size() : MaxLookahead + 1;
        for (qsizetype i = 0; i < head; ++i)
            joined[held + i] = chunk.at(i).unicode();
        const qsizetype size = held + head;
        const qsizetype stop = size - (MaxLookahead - 1);
        qsizetype pos = 0;
        if (stop > 0) {
            const qsizetype limit = held < stop ? held : stop;
            pos = rules.run(joined, size, 0, limit, NoLimit, steps, lookup, m_kind, writer);
        }
        if (pos < held) {
            // The chunk was too short to decide: it lies whole in `joined`; keep the rest.
            m_pending.resize(size - pos);
            for (qsizetype i = pos; i < size; ++i)
                m_pending[i - pos] = QChar(joined[i]);
            return;
        }
        m_pending.clear();
        offset = pos - held;
    }

    const qsizetype stop = chunk.size() - (MaxLookahead - 1);
    if (offset < stop)
        offset = rules.run(chunk.utf16(), chunk.size(), offset, stop, NoLimit, steps, lookup, m_kind, writer);
    m_pending.append(chunk.mid(offset));
}

void StreamConverter::flush(QString &out)
{
    if (!m_pending.isEmpty()) {
        const detail::PairLookup &lookup = *m_lookup;
        detail::UnitWriter writer(out);
        qsizetype steps = 0;
        // The text ends here: the last units are converted as the end of the text.
        detail::ConversionRules::of(m_direction)
            .run(reinterpret_cast<const char16_t *>(m_pending.constData()), m_pending.size(), 0,
                 m_pending.size(), NoLimit, steps, lookup, m_kind, writer);
    }
    m_pending.clear();
}

} // namespace pirtok
