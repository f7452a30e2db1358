#pragma once

#include <cstddef>

namespace pirtok::codec {

// The byte-order marks a text file may begin with, and how many bytes each takes.
enum class ByteOrderMark
{
    None,
    Utf8,
    Utf16Le,
    Utf16Be
};

struct MarkFound
{
    ByteOrderMark mark = ByteOrderMark::None;
    std::size_t length = 0;
};

// The mark at the start of `data` (`size` bytes, of which three are enough to tell).
MarkFound findByteOrderMark(const char *data, std::size_t size);

} // namespace pirtok::codec
