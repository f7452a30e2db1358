#pragma once

#include "codec/CodecError.h"

#include <cstddef>
#include <cstdint>

namespace pirtok::codec {

// Streaming UTF-16 to UTF-8. A lone surrogate has no UTF-8 form: it is refused, never
// written as a three-byte "CESU" sequence. A high surrogate at the end of a chunk waits
// for its partner in the next one.
class Utf8Encoder
{
public:
    // Room that encode() may need in `out` for `count` units.
    static constexpr std::size_t maxBytes(std::size_t count) { return 3 * count + 4; }

    // Encodes `count` units into `out`; returns the bytes written, or -1 on a lone
    // surrogate (error().offset is its index among all units given so far).
    std::ptrdiff_t encode(const char16_t *units, std::size_t count, char *out);
    // The text has ended: a held-back high surrogate is lone. True when clean.
    bool finish();
    void reset();

    const CodecError &error() const { return m_error; }

private:
    std::ptrdiff_t fail(std::uint64_t index, std::size_t doneBefore = 0);

    char16_t m_pendingHigh = 0;
    std::uint64_t m_position = 0; // units taken in so far
    CodecError m_error;
};

} // namespace pirtok::codec
