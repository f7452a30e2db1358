#include "cli/WriteFully.h"

#include <cerrno>
#include <unistd.h>

namespace pirtok::cli {

int writeFully(int fd, const char *data, std::size_t size, std::size_t &written, WriteCall call)
{
    if (!call)
        call = ::write;
    written = 0;
    while (written < size) {
        const ssize_t put = call(fd, data + written, size - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (put == 0)
            return EIO;
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

} // namespace pirtok::cli
