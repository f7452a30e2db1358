#include "cli/ConvertDriver.h"

#include "cli/ProgressMeter.h"
#include "convert/core/StreamConverter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pirtok::cli {

namespace {

// Output is written in pieces of about this size, whatever the read size.
constexpr std::size_t FlushSize = std::size_t(1) << 20;

std::string errnoText()
{
    return std::strerror(errno);
}

} // namespace

ConvertDriver::ConvertDriver(ConvertOptions options)
    : m_options(std::move(options)),
      m_utf16In(m_options.from == TextEncoding::Utf16Le && m_options.to == TextEncoding::Utf8),
      m_in(new char[m_options.bufferSize]),
      m_units(new char16_t[std::max(Utf8Decoder::maxUnits(m_options.bufferSize),
                                    Utf16LeCodec::maxUnits(m_options.bufferSize))])
{
}

ConvertDriver::~ConvertDriver() = default;

void ConvertDriver::report(const std::string &message)
{
    const std::string text = "pirtok-convert: " + message + "\n";
    if (::write(2, text.data(), text.size()) < 0)
        return; // nowhere left to tell
}

int ConvertDriver::run()
{
    if (!m_options.output.empty()) {
        std::string error;
        if (!m_file.open(m_options.output, error)) {
            report(error);
            return 1;
        }
        m_outFd = m_file.fd();
        m_outName = m_options.output;
    } else {
        m_outFd = 1;
        m_outName = "standard output";
    }
    std::vector<std::string> inputs = m_options.inputs;
    if (inputs.empty())
        inputs.push_back("-");
    for (const std::string &input : inputs) {
        if (!convertInput(input)) {
            // Like any filter, standard output gets all that was converted before the
            // fault, whatever the buffer held; an output file is left as it was.
            std::string ignored;
            if (m_options.output.empty())
                flushOutput(ignored);
            m_file.discard();
            return 1;
        }
    }
    std::string error;
    if (!flushOutput(error)) {
        report(error);
        m_file.discard();
        return 1;
    }
    if (!m_options.output.empty()) {
        if (!m_file.commit(error)) {
            report(error);
            return 1;
        }
    }
    return 0;
}

bool ConvertDriver::convertInput(const std::string &name)
{
    const bool isStdin = name == "-";
    const std::string display = isStdin ? std::string("standard input") : name;
    const int fd = isStdin ? 0 : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        report(display + ": cannot open: " + errnoText());
        return false;
    }
    if (isSameAsStandardOutput(fd)) {
        report(display + ": is the file that standard output appends to; use -o to convert it in place");
        if (!isStdin)
            ::close(fd);
        return false;
    }
    std::optional<ProgressMeter> meter;
    if (ProgressMeter::wanted(fd)) {
        struct stat st = {};
        ::fstat(fd, &st);
        meter.emplace(display, static_cast<std::uint64_t>(st.st_size));
    }
    const bool ok = pump(fd, display, meter ? &*meter : nullptr);
    if (!isStdin)
        ::close(fd);
    return ok;
}

// Reading a file while appending its own conversion to it would never reach its end.
bool ConvertDriver::isSameAsStandardOutput(int fd) const
{
    if (!m_options.output.empty())
        return false; // -o writes a temporary: converting a file onto itself is sound
    struct stat in = {};
    struct stat out = {};
    if (::fstat(fd, &in) != 0 || ::fstat(1, &out) != 0 || !S_ISREG(in.st_mode) || !S_ISREG(out.st_mode))
        return false;
    return in.st_dev == out.st_dev && in.st_ino == out.st_ino && in.st_size > 0;
}

std::ptrdiff_t ConvertDriver::decode(const char *data, std::size_t size)
{
    if (m_options.from == TextEncoding::Utf8)
        return m_utf8In.decode(data, size, m_units.get());
    return m_utf16In.decode(data, size, m_units.get());
}

bool ConvertDriver::finishDecoding()
{
    return m_options.from == TextEncoding::Utf8 ? m_utf8In.finish() : m_utf16In.finish();
}

const CodecError &ConvertDriver::decodeError() const
{
    return m_options.from == TextEncoding::Utf8 ? m_utf8In.error() : m_utf16In.error();
}

bool ConvertDriver::pump(int fd, const std::string &display, ProgressMeter *meter)
{
    m_utf8In.reset();
    m_utf16In.reset();
    m_utf8Out.reset();
    StreamConverter converter(m_options.direction, m_options.pairs, m_options.kind);
    std::uint64_t done = 0;
    std::string error;
    const auto fail = [&](const std::string &message) {
        if (meter)
            meter->finish(done);
        report(message);
        return false;
    };
    const auto failDecoding = [&]() {
        const CodecError &refused = decodeError();
        return fail(display + ": byte offset " + std::to_string(refused.offset) + ": " + refused.reason);
    };

    for (;;) {
        const ssize_t got = ::read(fd, m_in.get(), m_options.bufferSize);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(display + ": byte offset " + std::to_string(done) + ": cannot read: " + errnoText());
        }
        if (got == 0)
            break;
        done += static_cast<std::uint64_t>(got);
        const std::ptrdiff_t units = decode(m_in.get(), static_cast<std::size_t>(got));
        if (units < 0)
            return failDecoding();
        if (units > 0) {
            m_converted.resize(0);
            converter.feed(QStringView(m_units.get(), units), m_converted);
            if (!emitConverted(display, error))
                return fail(error);
        }
        if (meter)
            meter->update(done);
    }
    if (!finishDecoding())
        return failDecoding();
    m_converted.resize(0);
    converter.flush(m_converted);
    if (!emitConverted(display, error))
        return fail(error);
    if (m_options.to == TextEncoding::Utf8 && !m_utf8Out.finish())
        return fail(encoderMessage(display));
    if (meter)
        meter->finish(done);
    return true;
}

std::string ConvertDriver::encoderMessage(const std::string &display) const
{
    // Only a converted text with a lone surrogate gets here; the UTF-16LE reader refuses
    // those in the input already, with their byte offset.
    return display + ": converted text, code unit " + std::to_string(m_utf8Out.error().offset) + ": " +
           m_utf8Out.error().reason;
}

void ConvertDriver::reserveOutput(std::size_t bytes)
{
    if (m_outSize + bytes <= m_outCapacity)
        return;
    const std::size_t capacity = std::max(m_outSize + bytes, FlushSize + FlushSize / 2);
    std::unique_ptr<char[]> grown(new char[capacity]);
    if (m_outSize > 0)
        std::memcpy(grown.get(), m_out.get(), m_outSize);
    m_out = std::move(grown);
    m_outCapacity = capacity;
}

bool ConvertDriver::emitConverted(const std::string &display, std::string &error)
{
    const auto count = static_cast<std::size_t>(m_converted.size());
    const auto *units = reinterpret_cast<const char16_t *>(m_converted.constData());
    if (m_options.to == TextEncoding::Utf8) {
        reserveOutput(Utf8Encoder::maxBytes(count));
        const std::ptrdiff_t bytes = m_utf8Out.encode(units, count, m_out.get() + m_outSize);
        if (bytes < 0) {
            error = encoderMessage(display);
            return false;
        }
        m_outSize += static_cast<std::size_t>(bytes);
    } else {
        reserveOutput(Utf16LeCodec::maxBytes(count));
        m_outSize += Utf16LeCodec::encode(units, count, m_out.get() + m_outSize);
    }
    return m_outSize < FlushSize || flushOutput(error);
}

bool ConvertDriver::flushOutput(std::string &error)
{
    std::size_t done = 0;
    while (done < m_outSize) {
        const ssize_t put = ::write(m_outFd, m_out.get() + done, m_outSize - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            error =
                m_outName + ": byte offset " + std::to_string(m_written) + ": cannot write: " + errnoText();
            return false;
        }
        done += static_cast<std::size_t>(put);
        m_written += static_cast<std::uint64_t>(put);
    }
    m_outSize = 0;
    return true;
}

} // namespace pirtok::cli
