#pragma once

#include <cstddef>
#include <sys/types.h>

namespace pirtok::cli {

// The signature of write(2), so that tests can hand in a faulty one.
using WriteCall = ssize_t (*)(int, const void *, std::size_t);

// Writes all `size` bytes to `fd`, going on after a partial write or an interrupted one.
// Returns 0 when all went out, else the errno of the failure; a write that takes no byte
// fails with EIO, as trying again would loop for ever. `written` counts what went out.
int writeFully(int fd, const char *data, std::size_t size, std::size_t &written, WriteCall call = nullptr);

} // namespace pirtok::cli
