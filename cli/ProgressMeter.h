#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace pirtok::cli {

// A one-line progress bar on standard error for a long input: name, bar, percentage and
// speed, redrawn at most a few times a second.
class ProgressMeter
{
public:
    // Inputs larger than this show progress.
    static constexpr std::uint64_t Threshold = std::uint64_t(8) << 20;

    // Progress is for people: only on a terminal, and only for a file whose size is known.
    static bool wanted(int inputFd, int terminalFd = 2);

    ProgressMeter(std::string name, std::uint64_t totalBytes, int fd = 2);

    void update(std::uint64_t doneBytes);
    // Draws the final state and ends the line.
    void finish(std::uint64_t doneBytes);

    // The line for `done` of `total` bytes after `seconds`, without the leading carriage return.
    static std::string line(const std::string &name, std::uint64_t done, std::uint64_t total, double seconds);

private:
    void draw(std::uint64_t doneBytes);

    std::string m_name;
    std::uint64_t m_total;
    int m_fd;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDraw;
    bool m_finished = false;
};

} // namespace pirtok::cli
