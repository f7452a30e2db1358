#pragma once

#include "codec/CodecError.h"

#include <cstddef>
#include <cstdint>

namespace pirtok::codec {

// UTF-16LE in and out. Reading carries an odd byte across chunk borders and refuses an
// input of odd length. Lone surrogates pass through unless the reader is told to refuse
// them (when the output is UTF-8, which cannot hold them): then the input offset of the
// first one is reported, before any of it reaches the output.
class Utf16LeCodec
{
public:
    explicit Utf16LeCodec(bool refuseLoneSurrogates = false) : m_refuseLone(refuseLoneSurrogates) {}

    static constexpr std::size_t maxUnits(std::size_t size) { return size / 2 + 2; }
    static constexpr std::size_t maxBytes(std::size_t count) { return 2 * count; }

    // Decodes `size` bytes into `out`; returns the units written, or -1 (see error()).
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out);
    // The input has ended: a left-over byte or a held-back high surrogate is refused.
    bool finish();
    void reset();

    const CodecError &error() const { return m_error; }

    // Writes `count` units as UTF-16LE bytes; returns the bytes written.
    static std::size_t encode(const char16_t *units, std::size_t count, char *out);

private:
    std::ptrdiff_t fail(std::uint64_t offset, const char *reason, std::size_t doneBefore = 0);
    std::ptrdiff_t checkSurrogates(char16_t *units, std::size_t count, std::uint64_t firstOffset);

    bool m_refuseLone;
    bool m_hasOddByte = false;
    unsigned char m_oddByte = 0;
    char16_t m_pendingHigh = 0;
    std::uint64_t m_offset = 0; // bytes taken in so far
    CodecError m_error;
};

} // namespace pirtok::codec
