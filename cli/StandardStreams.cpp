#include "cli/StandardStreams.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace pirtok::cli {

namespace {

constexpr int StandardCount = 3;
bool g_closed[StandardCount] = {};

bool isDescriptorName(const std::string &path, int fd)
{
    const std::string number = std::to_string(fd);
    return path == (fd == 1 ? "/dev/stdout" : "/dev/stderr") || path == "/dev/fd/" + number ||
           path == "/proc/self/fd/" + number;
}

// Whether `path`, or a link it leads through, is a name of descriptor `fd` itself. Links are
// followed by hand: resolved all the way, such a name only reaches our own /dev/null.
bool namesDescriptor(std::string path, int fd)
{
    constexpr int MaxLinks = 40; // as the kernel's own limit, so a loop of links ends
    for (int hop = 0; hop <= MaxLinks; ++hop) {
        if (isDescriptorName(path, fd))
            return true;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target)
            return false;
        std::string next(target, static_cast<std::size_t>(length));
        if (next.front() != '/') {
            const std::size_t slash = path.rfind('/');
            next = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + next;
        }
        path = std::move(next);
    }
    return false;
}

} // namespace

void StandardStreams::claim()
{
    for (int fd = 0; fd < StandardCount; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free descriptor: this one, as the lower ones are open.
        const int placeholder = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (placeholder >= 0 && placeholder != fd) {
            ::dup2(placeholder, fd);
            ::close(placeholder);
        }
        g_closed[fd] = true;
    }
}

bool StandardStreams::wasClosed(int fd)
{
    return fd >= 0 && fd < StandardCount && g_closed[fd];
}

int StandardStreams::descriptorFor(const std::string &path)
{
    struct stat target = {};
    if (::stat(path.c_str(), &target) != 0)
        return -1;
    for (int fd : {1, 2}) {
        // A closed one holds our own /dev/null, which is no file of the caller's: only a
        // name of the descriptor itself means it.
        if (g_closed[fd]) {
            if (namesDescriptor(path, fd))
                return fd;
            continue;
        }
        struct stat open = {};
        if (::fstat(fd, &open) == 0 && open.st_dev == target.st_dev && open.st_ino == target.st_ino)
            return fd;
    }
    return -1;
}

const char *StandardStreams::name(int fd)
{
    switch (fd) {
    case 0:
        return "standard input";
    case 1:
        return "standard output";
    default:
        return "standard error";
    }
}

} // namespace pirtok::cli
