#pragma once

#include <string>

namespace pirtok::cli {

// An output file that appears whole or not at all: the text goes to a temporary file in
// the target's folder, which is synced and renamed over the target only on commit().
// Until then the target is untouched; the temporary is removed on discard(), on
// destruction and when a signal ends the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT, a
// file-size limit's SIGXFSZ and the like; one the caller ignores stays ignored). A target
// that exists and is not a regular file (a device, a pipe) is written into directly.
class AtomicOutputFile
{
public:
    AtomicOutputFile() = default;
    ~AtomicOutputFile();
    AtomicOutputFile(const AtomicOutputFile &) = delete;
    AtomicOutputFile &operator=(const AtomicOutputFile &) = delete;

    // Creates the temporary for `target`; on failure returns false with `error` set.
    bool open(const std::string &target, std::string &error);
    int fd() const { return m_fd; }
    const std::string &temporaryPath() const { return m_temp; }

    // Syncs, closes and renames the temporary over the target.
    bool commit(std::string &error);
    // Closes and removes the temporary; the target stays as it was.
    void discard();

private:
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    bool m_direct = false;
};

} // namespace pirtok::cli
