#pragma once

#include <QString>

namespace pirtok::detail {

// Appends code units to a QString through a raw pointer, so that a conversion loop does
// not pay the size, detach and capacity bookkeeping of QString::append for every unit.
// While the writer lives the string is longer than its content; finish() trims it.
class UnitWriter
{
public:
    explicit UnitWriter(QString &target, qsizetype expected = 0) : m_target(target)
    {
        const qsizetype used = target.size();
        m_cursor = grow(used, expected > 16 ? expected : 16);
    }
    ~UnitWriter() { finish(); }
    UnitWriter(const UnitWriter &) = delete;
    UnitWriter &operator=(const UnitWriter &) = delete;

    // A hot loop copies the cursor into a local, writes through it and hands it back with
    // setCursor(); room() says how many units fit before the next makeRoom().
    char16_t *cursor() const { return m_cursor; }
    void setCursor(char16_t *cursor) { m_cursor = cursor; }
    qsizetype room() const { return m_end - m_cursor; }
    // Makes room for at least `count` more units after the cursor.
    void makeRoom(qsizetype count)
    {
        if (m_end - m_cursor < count)
            m_cursor = grow(m_cursor - m_begin, count);
    }

    void put(char16_t unit)
    {
        makeRoom(1);
        *m_cursor++ = unit;
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
    // Returns the cursor at `used` units in the (possibly moved) buffer.
    char16_t *grow(qsizetype used, qsizetype count)
    {
        // QString::resize grows the capacity geometrically, so a long run of appends stays
        // linear; within the capacity a resize costs nothing. The slack only spares calls.
        constexpr qsizetype Slack = 1024;
        m_target.resize(used + (count > Slack ? count : Slack));
        m_begin = reinterpret_cast<char16_t *>(m_target.data());
        m_end = m_begin + m_target.size();
        return m_begin + used;
    }

    QString &m_target;
    char16_t *m_begin = nullptr;
    char16_t *m_cursor = nullptr;
    char16_t *m_end = nullptr;
};

} // namespace pirtok::detail
