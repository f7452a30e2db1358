#include "codec/ByteOrderMark.h"

namespace pirtok::codec {

MarkFound findByteOrderMark(const char *data, std::size_t size)
{
    const auto byte = [data](std::size_t i) { return static_cast<unsigned char>(data[i]); };
    if (size >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        return {ByteOrderMark::Utf8, 3};
    if (size >= 2 && byte(0) == 0xFF && byte(1) == 0xFE)
        return {ByteOrderMark::Utf16Le, 2};
    if (size >= 2 && byte(0) == 0xFE && byte(1) == 0xFF)
        return {ByteOrderMark::Utf16Be, 2};
    return {};
}

} // namespace pirtok::codec
