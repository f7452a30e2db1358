#include "cli/ProgressMeter.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pirtok::cli {

namespace {

constexpr int BarWidth = 30;
constexpr std::size_t NameWidth = 24;
constexpr auto RedrawInterval = std::chrono::milliseconds(200);

} // namespace

bool ProgressMeter::wanted(int inputFd, int terminalFd)
{
    struct stat st = {};
    if (!::isatty(terminalFd) || ::fstat(inputFd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return static_cast<std::uint64_t>(st.st_size) > Threshold;
}

ProgressMeter::ProgressMeter(std::string name, std::uint64_t totalBytes, int fd)
    : m_name(std::move(name)), m_total(totalBytes), m_fd(fd), m_start(std::chrono::steady_clock::now()),
      m_lastDraw(m_start)
{
}

std::string ProgressMeter::line(const std::string &name, std::uint64_t done, std::uint64_t total,
                                double seconds)
{
    const double fraction = total == 0 ? 1.0 : std::min(1.0, double(done) / double(total));
    const int filled = static_cast<int>(fraction * BarWidth);
    std::string shown = name;
    if (shown.size() > NameWidth)
        shown = "..." + shown.substr(shown.size() - (NameWidth - 3));
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(BarWidth - filled), '.');
    const double speed = seconds > 0 ? double(done) / seconds / 1e6 : 0.0;
    char text[160];
    std::snprintf(text, sizeof text, "%-*s [%s] %3d%% %8.1f MB/s", int(NameWidth), shown.c_str(), bar.c_str(),
                  static_cast<int>(fraction * 100), speed);
    return text;
}

void ProgressMeter::draw(std::uint64_t doneBytes)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    const std::string text = "\r" + line(m_name, doneBytes, m_total, seconds);
    // Progress is best effort: a failed write to the terminal changes nothing.
    if (::write(m_fd, text.data(), text.size()) < 0)
        return;
}

void ProgressMeter::update(std::uint64_t doneBytes)
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastDraw < RedrawInterval)
        return;
    m_lastDraw = now;
    draw(doneBytes);
}

void ProgressMeter::finish(std::uint64_t doneBytes)
{
    if (m_finished)
        return;
    m_finished = true;
    draw(doneBytes);
    if (::write(m_fd, "\n", 1) < 0)
        return;
}

} // namespace pirtok::cli
