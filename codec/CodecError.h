#pragma once

#include <cstddef>
#include <cstdint>

namespace pirtok::codec {

// What a decoder or encoder refused, and where. `offset` counts bytes of the input file
// for the readers, and code units of the converted text for the UTF-8 encoder.
// `doneBefore` is what the failing call had already written to its output before the
// fault (units for the readers, bytes for the encoder): all of it is sound, so a filter
// can still pass it on.
struct CodecError
{
    std::uint64_t offset = 0;
    const char *reason = "";
    std::size_t doneBefore = 0;
};

} // namespace pirtok::codec
