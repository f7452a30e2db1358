#pragma once

#include <cstdint>

namespace pirtok::cli {

// What a decoder or encoder refused, and where. `offset` counts bytes of the input file
// for the readers, and code units of the converted text for the UTF-8 encoder.
struct CodecError
{
    std::uint64_t offset = 0;
    const char *reason = "";
};

} // namespace pirtok::cli
