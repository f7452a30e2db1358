#pragma once

#include <string>

namespace pirtok::cli {

// Standard input, output and error as the program found them. A closed one is taken by
// /dev/null at start, so that no file the program opens lands on descriptors 0 to 2 and
// is then read or written as if it were standard input or output; the program treats
// using one that was closed as an error.
class StandardStreams
{
public:
    // Call first thing in main().
    static void claim();
    static bool wasClosed(int fd);
    // 1 or 2 when `path` names the file that standard output or standard error is open on
    // (the same device and inode), else -1.
    static int descriptorFor(const std::string &path);
    // "standard input", "standard output" or "standard error".
    static const char *name(int fd);
};

} // namespace pirtok::cli
