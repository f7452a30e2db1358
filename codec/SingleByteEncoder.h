#pragma once

#include "codec/CodecError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pirtok::codec {

// Writes UTF-16 as a single-byte code page ("CP1256"), strictly: a character the code page
// cannot hold is refused with its place and code point, never replaced. The table is the
// reverse of what the system's iconv reads each of the 256 bytes as, so reading and
// writing agree byte for byte.
class SingleByteEncoder
{
public:
    explicit SingleByteEncoder(std::string charset);

    static constexpr std::size_t maxBytes(std::size_t count) { return count; }

    // Builds the table; false with `error` set when the system lacks the code page.
    bool open(std::string &error);
    // Encodes `count` units into `out`; returns the bytes written, or -1 when a character
    // has no byte (error().offset is its index among all units given so far). A surrogate
    // pair is one character: its code point is refusedCharacter().
    std::ptrdiff_t encode(const char16_t *units, std::size_t count, char *out);
    void reset();

    const CodecError &error() const { return m_error; }
    char32_t refusedCharacter() const { return m_refused; }

private:
    static constexpr std::int16_t NoByte = -1;

    std::string m_charset;
    std::vector<std::int16_t> m_byteOf; // by code unit; NoByte where the page has none
    std::uint64_t m_position = 0;       // units taken in so far
    char32_t m_refused = 0;
    CodecError m_error;
};

} // namespace pirtok::codec
