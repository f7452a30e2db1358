#pragma once

#include "codec/ByteDecoder.h"

#include <cstddef>

namespace pirtok::codec {

// The front of a strict UTF-8 reader for text that is mostly ASCII and two-byte
// characters, as Arabic script is: it decodes those eight bytes at a time and hands every
// other sequence, one at a time, to the strict reader, which refuses what is ill-formed
// and keeps a sequence cut by the end of the data until the next call completes it. The
// units it writes are the strict reader's, byte for byte.
class Utf8FastDecoder
{
public:
    // Room that decode() may need in `out` for `size` bytes.
    static constexpr std::size_t maxUnits(std::size_t size) { return size + Slack; }

    // Decodes `size` bytes into `out`; returns the units written, or -1 when `strict`
    // refused a sequence (see its error()).
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out, ByteDecoder &strict);
    // Forgets a sequence cut by the end of the last data, for a new text.
    void reset() { m_strictNeeds = 0; }

private:
    // A group of eight bytes writes eight units, of which it may keep fewer.
    static constexpr std::size_t Slack = 16;

    std::size_t m_strictNeeds = 0; // bytes the strict reader still wants for a cut sequence
};

} // namespace pirtok::codec
