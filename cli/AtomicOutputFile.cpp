#include "cli/AtomicOutputFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pirtok::cli {

namespace {

// The signal handler may only touch plain memory: the path of the one temporary in use.
char g_tempPath[PATH_MAX + 1];
volatile std::sig_atomic_t g_armed = 0;
// Every signal whose default action ends the program and that a handler may catch: the
// temporary goes with the program, whichever of them ends it (SIGXFSZ: a file-size limit).
constexpr int CleanupSignals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT, SIGXFSZ,   SIGXCPU,
                                  SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF};
constexpr int CleanupSignalCount = sizeof(CleanupSignals) / sizeof(CleanupSignals[0]);
struct sigaction g_previous[CleanupSignalCount];
bool g_caught[CleanupSignalCount];

// The temporary's name adds this much to the target's: "." before, ".pirtok-XXXXXX" after.
constexpr const char *TempSuffix = ".pirtok-XXXXXX";
constexpr std::size_t TempExtra = 1 + 14;

extern "C" void removeTemporaryAndDie(int signal)
{
    if (g_armed)
        ::unlink(g_tempPath);
    // Die of the same signal, so that the caller sees how the program ended.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void arm(const std::string &path)
{
    std::memcpy(g_tempPath, path.c_str(), path.size() + 1);
    g_armed = 1;
    struct sigaction action = {};
    action.sa_handler = removeTemporaryAndDie;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < CleanupSignalCount; ++i) {
        // A signal that the caller set to be ignored (nohup, a background job's SIGINT)
        // stays ignored: it must not end the program.
        g_caught[i] = ::sigaction(CleanupSignals[i], nullptr, &g_previous[i]) == 0 &&
                      g_previous[i].sa_handler != SIG_IGN;
        if (g_caught[i])
            ::sigaction(CleanupSignals[i], &action, nullptr);
    }
}

void disarm()
{
    g_armed = 0;
    for (int i = 0; i < CleanupSignalCount; ++i) {
        if (g_caught[i])
            ::sigaction(CleanupSignals[i], &g_previous[i], nullptr);
        g_caught[i] = false;
    }
}

// Holds the cleanup signals back while the temporary changes hands.
class SignalBlock
{
public:
    SignalBlock()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int s : CleanupSignals)
            sigaddset(&set, s);
        ::sigprocmask(SIG_BLOCK, &set, &m_old);
    }
    ~SignalBlock() { ::sigprocmask(SIG_SETMASK, &m_old, nullptr); }

private:
    sigset_t m_old;
};

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name of the temporary beside `base` (a file name without folder), shortened so that
// it fits the folder's limit on a name where the target's own name is near it.
std::string temporaryName(const std::string &folder, const std::string &base)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
    std::string kept = base;
    if (kept.size() + TempExtra > nameMax) {
        std::size_t cut = nameMax > TempExtra ? nameMax - TempExtra : 0;
        // Cut before a whole UTF-8 character, so the hidden name stays readable.
        while (cut > 0 && (static_cast<unsigned char>(kept[cut]) & 0xC0) == 0x80)
            --cut;
        kept.resize(cut);
    }
    return "." + kept + TempSuffix;
}

std::string describe(const std::string &what, const std::string &path)
{
    return what + " '" + path + "': " + std::strerror(errno);
}

} // namespace

AtomicOutputFile::~AtomicOutputFile()
{
    discard();
}

bool AtomicOutputFile::open(const std::string &target, std::string &error)
{
    m_target = target;
    // Writing "through" a symbolic link replaces what it points to, not the link.
    struct stat st = {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char *resolved = ::realpath(target.c_str(), nullptr)) {
            m_target = resolved;
            std::free(resolved);
        }
    }
    // A device, pipe or socket (/dev/null, /dev/stdout) is written into: renaming a
    // regular file over it would destroy it, and it cannot hold a half-written text anyway.
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        m_fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (m_fd < 0) {
            error = describe("cannot write", target);
            return false;
        }
        m_direct = true;
        return true;
    }
    const std::size_t slash = m_target.rfind('/');
    const std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
    const std::string folder = folderOf(m_target);
    const std::string pattern = folder + "/" + temporaryName(folder, base);
    if (pattern.size() > PATH_MAX) {
        error = "cannot write '" + target + "': the name is too long";
        return false;
    }
    std::string name = pattern;
    SignalBlock block;
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        error = describe("cannot create a temporary file beside", target);
        return false;
    }
    m_temp = name;
    arm(m_temp);
    // The result gets the mode of the file it replaces, or that of a new file.
    mode_t mode = 0;
    if (::stat(m_target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(m_fd, mode);
    return true;
}

bool AtomicOutputFile::commit(std::string &error)
{
    if (m_fd < 0) {
        error = "cannot write '" + m_target + "': no temporary file";
        return false;
    }
    if (m_direct) {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            error = describe("cannot write", m_target);
            return false;
        }
        return true;
    }
    if (::fsync(m_fd) != 0) {
        error = describe("cannot write", m_target);
        discard();
        return false;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        error = describe("cannot write", m_target);
        discard();
        return false;
    }
    {
        SignalBlock block;
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
            error = describe("cannot replace", m_target);
            ::unlink(m_temp.c_str());
            m_temp.clear();
            disarm();
            return false;
        }
        m_temp.clear();
        disarm();
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void AtomicOutputFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        SignalBlock block;
        ::unlink(m_temp.c_str());
        m_temp.clear();
        disarm();
    }
}

} // namespace pirtok::cli
