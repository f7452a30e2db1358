#pragma once

#include <cstddef>

namespace pirtok::codec {

class Utf8Encoder;

// The front of the UTF-8 writer for text that is mostly ASCII and two-byte characters: it
// encodes those eight units at a time and hands every other unit to the strict writer,
// which refuses a lone surrogate and keeps a high surrogate at the end of the units until
// the next call. The bytes it writes are the strict writer's, byte for byte.
class Utf8FastEncoder
{
public:
    // Room that encode() may need in `out` for `count` units.
    static constexpr std::size_t maxBytes(std::size_t count) { return 3 * count + Slack; }

    // Encodes `count` units into `out`; returns the bytes written, or -1 when `strict`
    // refused a unit (see its error()).
    std::ptrdiff_t encode(const char16_t *units, std::size_t count, char *out, Utf8Encoder &strict);
    // Forgets a held-back high surrogate, for a new text.
    void reset() { m_strictHolds = false; }

private:
    // A group of eight units writes sixteen bytes, of which it may keep fewer.
    static constexpr std::size_t Slack = 16;

    bool m_strictHolds = false; // the strict writer holds a high surrogate
};

} // namespace pirtok::codec
