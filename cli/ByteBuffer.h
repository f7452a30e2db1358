#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

namespace pirtok::cli {

// Bytes that grow at the end without being zeroed first, and keep their room when
// cleared, so a buffer used for block after block allocates only at the start.
class ByteBuffer
{
public:
    char *data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    void clear() { m_size = 0; }
    void truncate(std::size_t size) { m_size = std::min(size, m_size); }
    // Room for `count` more bytes after size(); returns where they go. Call grew() with
    // what was put there.
    char *extend(std::size_t count)
    {
        if (m_size + count > m_capacity) {
            const std::size_t capacity = std::max(m_size + count, 2 * m_capacity);
            std::unique_ptr<char[]> grown(new char[capacity]);
            if (m_size > 0)
                std::memcpy(grown.get(), m_data.get(), m_size);
            m_data = std::move(grown);
            m_capacity = capacity;
        }
        return m_data.get() + m_size;
    }
    void grew(std::size_t count) { m_size += count; }
    void append(const char *bytes, std::size_t count)
    {
        if (count == 0)
            return;
        std::memcpy(extend(count), bytes, count);
        m_size += count;
    }

private:
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace pirtok::cli
