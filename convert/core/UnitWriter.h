#pragma once

#include <QString>

namespace pirtok::detail {

// Appends code units to a QString through a raw pointer: one capacity test per step
// instead of the size, detach and capacity bookkeeping of a QString::append per unit.
// The string is longer than its content while the writer lives; finish() trims it.
class UnitWriter
{
public:
    explicit UnitWriter(QString &target, qsizetype expected = 0) : m_target(target)
    {
        m_used = target.size();
        grow(expected > 16 ? expected : 16);
    }
    ~UnitWriter() { finish(); }
    UnitWriter(const UnitWriter &) = delete;
    UnitWriter &operator=(const UnitWriter &) = delete;

    // Makes room for at least `count` more units.
    void ensure(qsizetype count)
    {
        if (m_end - m_cursor < count)
            grow(count);
    }
    void put(char16_t unit) { *m_cursor++ = unit; }
    void put(const char16_t *units, qsizetype count)
    {
        for (qsizetype i = 0; i < count; ++i)
            m_cursor[i] = units[i];
        m_cursor += count;
    }

    // Trims the target to what was written; safe to call more than once.
    void finish()
    {
        if (m_begin == nullptr)
            return;
        m_target.resize(m_cursor - m_begin);
        m_begin = m_cursor = m_end = nullptr;
    }

private:
    void grow(qsizetype count)
    {
        const qsizetype used = m_begin == nullptr ? m_used : m_cursor - m_begin;
        const qsizetype wanted = used + count;
        if (wanted > m_target.capacity()) {
            // Doubling keeps a long run of appends linear.
            const qsizetype doubled = 2 * m_target.capacity();
            m_target.reserve(wanted > doubled ? wanted : doubled);
        }
        // Writing into the whole capacity: the next growth is far away.
        m_target.resize(m_target.capacity() > wanted ? m_target.capacity() : wanted);
        m_begin = reinterpret_cast<char16_t *>(m_target.data());
        m_cursor = m_begin + used;
        m_end = m_begin + m_target.size();
    }

    QString &m_target;
    qsizetype m_used = 0;
    char16_t *m_begin = nullptr;
    char16_t *m_cursor = nullptr;
    char16_t *m_end = nullptr;
};

} // namespace pirtok::detail
