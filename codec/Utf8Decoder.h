#pragma once

#include "codec/ByteDecoder.h"
#include "codec/CodecError.h"

#include <cstddef>
#include <cstdint>

namespace pirtok::codec {

// A strict streaming UTF-8 decoder. Every ill-formed sequence is refused with the byte
// offset of its first byte: overlong forms, encoded surrogates, code points above
// U+10FFFF, stray continuation bytes and sequences cut short. Nothing is ever replaced.
// A sequence cut by the end of a chunk is held back until the next chunk completes it.
class Utf8Decoder final : public ByteDecoder
{
public:
    // Room that decode() may need in `out` for `size` bytes of input.
    static constexpr std::size_t maxUnits(std::size_t size) { return size + 4; }

    // Decodes `size` bytes into `out`; returns the number of UTF-16 units written, or -1
    // when the input is ill-formed (see error()). After an error the decoder is spent.
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out) override;
    // The input has ended: a held-back partial sequence is refused. True when clean.
    bool finish();
    // Forgets all state, for a new input.
    void reset();

    const CodecError &error() const { return m_error; }
    // Bytes taken in so far, held-back ones included.
    std::uint64_t bytesSeen() const { return m_offset; }
    // Whether a sound sequence of two or more bytes was decoded (before any fault): text
    // in a single-byte code page rarely has one.
    bool sawMultiByte() const { return m_sawMultiByte; }

private:
    std::ptrdiff_t fail(std::uint64_t offset, const char *reason, std::size_t doneBefore = 0);
    std::ptrdiff_t completePending(const unsigned char *data, std::size_t size, char16_t *out,
                                   std::size_t &consumed);

    unsigned char m_pending[4] = {};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_offset = 0;
    bool m_sawMultiByte = false;
    CodecError m_error;
};

} // namespace pirtok::codec
