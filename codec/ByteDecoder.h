#pragma once

#include <cstddef>

namespace pirtok::codec {

// A reader of bytes into UTF-16 code units that the fast UTF-8 front hands the sequences
// it does not take itself, so that the front can sit before any strict reader: the plain
// UTF-8 decoder, or a program's reader that also watches what passes through it.
class ByteDecoder
{
public:
    virtual ~ByteDecoder() = default;
    // Decodes `size` bytes into `out`; returns the units written, or -1 when refused.
    virtual std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out) = 0;

protected:
    ByteDecoder() = default;
    ByteDecoder(const ByteDecoder &) = default;
    ByteDecoder &operator=(const ByteDecoder &) = default;
};

} // namespace pirtok::codec
