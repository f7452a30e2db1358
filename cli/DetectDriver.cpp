#include "cli/DetectDriver.h"

#include "cli/InputDecoder.h"
#include "cli/StandardStreams.h"
#include "cli/WriteFully.h"
#include "convert/core/LineDetector.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace pirtok::cli {

namespace {

// Reads `fd` to its end, decoded, into `detector`; false with `error` set on a fault.
bool readAll(int fd, const ConvertOptions &options, LineDetector &detector, std::string &error)
{
    InputDecoder decoder(options);
    const std::size_t bufferSize = std::max(options.bufferSize, InputDecoder::MarkSize);
    std::unique_ptr<char[]> bytes(new char[bufferSize]);
    std::unique_ptr<char16_t[]> units(new char16_t[InputDecoder::maxUnits(bufferSize)]);
    std::uint64_t done = 0;
    bool started = false;
    for (;;) {
        const ssize_t got = ::read(fd, bytes.get(), bufferSize);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = "byte offset " + std::to_string(done) + ": cannot read: " + std::strerror(errno);
            return false;
        }
        const auto size = static_cast<std::size_t>(got);
        if (!started) {
            // A short first read still shows the byte-order mark when there is one.
            if (!decoder.start(bytes.get(), std::min(size, InputDecoder::MarkSize), error))
                return false;
            started = true;
        }
        if (size == 0)
            break;
        done += size;
        const std::ptrdiff_t count = decoder.decode(bytes.get(), size, units.get());
        if (count < 0) {
            error = decoder.describeError();
            return false;
        }
        detector.feed(QStringView(units.get(), static_cast<qsizetype>(count)));
    }
    if (!decoder.finish()) {
        error = decoder.describeError();
        return false;
    }
    detector.finish();
    return true;
}

} // namespace

void DetectDriver::report(const std::string &message)
{
    const std::string text = "pirtok-convert: " + message + "\n";
    std::size_t written = 0;
    writeFully(2, text.data(), text.size(), written);
}

bool DetectDriver::detect(const std::string &name, std::string &line)
{
    const bool isStdin = name == "-";
    const std::string display = isStdin ? std::string(StandardStreams::name(0)) : name;
    if (isStdin && StandardStreams::wasClosed(0)) {
        report(display + ": cannot read: " + std::strerror(EBADF));
        return false;
    }
    const int fd = isStdin ? 0 : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        report(display + ": cannot open: " + std::strerror(errno));
        return false;
    }
    LineDetector detector;
    std::string error;
    const bool ok = readAll(fd, m_options, detector, error);
    if (!isStdin)
        ::close(fd);
    if (!ok) {
        report(display + ": " + error);
        return false;
    }
    line = display + ": " + detector.tally().summary().toStdString() + "\n";
    return true;
}

int DetectDriver::run()
{
    std::vector<std::string> inputs = m_options.inputs;
    if (inputs.empty())
        inputs.push_back("-");
    int status = 0;
    for (const std::string &input : inputs) {
        std::string line;
        if (!detect(input, line)) {
            status = 1;
            continue;
        }
        std::size_t written = 0;
        const int fault =
            StandardStreams::wasClosed(1) ? EBADF : writeFully(1, line.data(), line.size(), written);
        if (fault != 0) {
            report(std::string(StandardStreams::name(1)) + ": cannot write: " + std::strerror(fault));
            return 1;
        }
    }
    return status;
}

} // namespace pirtok::cli
