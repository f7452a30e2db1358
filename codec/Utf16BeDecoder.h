#pragma once

#include "codec/CodecError.h"
#include "codec/Utf16LeCodec.h"

#include <cstddef>
#include <vector>

namespace pirtok::codec {

// UTF-16BE in: each pair of bytes is swapped and read by the UTF-16LE reader, so both
// orders share one reader's rules (an odd length refused, surrogates as it is told). A
// byte left over at the end of a chunk waits for its partner in the next one.
class Utf16BeDecoder
{
public:
    explicit Utf16BeDecoder(bool refuseLoneSurrogates = false) : m_little(refuseLoneSurrogates) {}

    static constexpr std::size_t maxUnits(std::size_t size) { return Utf16LeCodec::maxUnits(size + 1); }

    // Decodes `size` bytes into `out`; returns the units written, or -1 (see error()).
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out);
    // The input has ended: a left-over byte or a held-back high surrogate is refused.
    bool finish();
    void reset();

    const CodecError &error() const { return m_little.error(); }

private:
    Utf16LeCodec m_little;
    std::vector<char> m_swapped;
    bool m_hasOddByte = false;
    char m_oddByte = 0;
};

} // namespace pirtok::codec
