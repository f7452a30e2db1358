#pragma once

#include <QtGlobal>

#include <atomic>

namespace pirtok::files {

// How far a file's reading or writing has come, written by the thread that does it and
// read by the window; and the window's wish to stop it.
struct WorkProgress
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> cancelled{false};

    // 0 to 100; 0 while the size is unknown.
    int percent() const
    {
        const qint64 all = total.load();
        return all > 0 ? static_cast<int>(qBound(qint64(0), done.load() * 100 / all, qint64(100))) : 0;
    }
};

} // namespace pirtok::files
