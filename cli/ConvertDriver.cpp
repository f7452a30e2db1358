#include "cli/ConvertDriver.h"

#include "cli/BlockPipeline.h"
#include "cli/ProgressMeter.h"
#include "cli/StandardStreams.h"
#include "cli/WriteFully.h"
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

std::string errnoText(int error = errno)
{
    return std::strerror(error);
}

// Text from a pipe, terminal or socket may come slowly (`tail -f log | pirtok-convert`):
// what each read brings is passed on at once.
bool arrivesInPieces(int fd)
{
    struct stat st = {};
    return ::fstat(fd, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode));
}

} // namespace

ConvertDriver::ConvertDriver(ConvertOptions options)
    : m_options(std::move(options)), m_decoder(m_options),
      m_inCapacity(std::max(m_options.bufferSize, InputDecoder::MarkSize)), m_in(new char[m_inCapacity]),
      m_units(new char16_t[InputDecoder::maxUnits(m_inCapacity)])
{
}

ConvertDriver::~ConvertDriver() = default;

void ConvertDriver::report(const std::string &message)
{
    const std::string text = "pirtok-convert: " + message + "\n";
    std::size_t written = 0;
    writeFully(2, text.data(), text.size(), written); // when this fails, nowhere is left to tell
}

int ConvertDriver::run()
{
    if (!openOutput())
        return 1;
    std::vector<std::string> inputs = m_options.inputs;
    if (inputs.empty())
        inputs.push_back("-");
    for (const std::string &input : inputs) {
        if (!convertInput(input)) {
            // Like any filter, standard output gets all that was converted before the
            // fault, whatever the buffer held; an output file is left as it was.
            std::string ignored;
            if (!m_toFile)
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
    if (m_toFile && !m_file.commit(error)) {
        report(error);
        return 1;
    }
    return 0;
}

bool ConvertDriver::openOutput()
{
    // `-o /dev/stdout` with standard output on a file: replacing that file would destroy
    // what the caller wrote there before and after, so write into the descriptor instead.
    const int standard = m_options.output.empty() ? 1 : StandardStreams::descriptorFor(m_options.output);
    if (standard < 0) {
        std::string error;
        if (!m_file.open(m_options.output, error)) {
            report(error);
            return false;
        }
        m_toFile = true;
        m_outFd = m_file.fd();
        m_outName = m_options.output;
        return true;
    }
    m_outFd = standard;
    m_outName = StandardStreams::name(standard);
    if (StandardStreams::wasClosed(standard)) {
        report(m_outName + ": cannot write: " + errnoText(EBADF));
        return false;
    }
    return true;
}

bool ConvertDriver::convertInput(const std::string &name)
{
    const bool isStdin = name == "-";
    const std::string display = isStdin ? std::string(StandardStreams::name(0)) : name;
    if (isStdin && StandardStreams::wasClosed(0)) {
        report(display + ": cannot read: " + errnoText(EBADF));
        return false;
    }
    const int fd = isStdin ? 0 : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        report(display + ": cannot open: " + errnoText());
        return false;
    }
    if (isSameAsStandardOutput(fd)) {
        report(display + ": is the file that " + m_outName +
               " appends to; use -o with a file name to convert it in place");
        if (!isStdin)
            ::close(fd);
        return false;
    }
    struct stat st = {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::optional<ProgressMeter> meter;
    if (ProgressMeter::wanted(fd))
        meter.emplace(display, static_cast<std::uint64_t>(st.st_size));
    const bool ok = regular ? convertInBlocks(fd, display, meter ? &*meter : nullptr)
                            : pump(fd, display, meter ? &*meter : nullptr);
    if (!isStdin)
        ::close(fd);
    return ok;
}

// Reading a file while appending its own conversion to it would never reach its end.
bool ConvertDriver::isSameAsStandardOutput(int fd) const
{
    if (m_toFile)
        return false; // -o writes a temporary: converting a file onto itself is sound
    struct stat in = {};
    struct stat out = {};
    if (::fstat(fd, &in) != 0 || ::fstat(m_outFd, &out) != 0 || !S_ISREG(in.st_mode) || !S_ISREG(out.st_mode))
        return false;
    return in.st_dev == out.st_dev && in.st_ino == out.st_ino && in.st_size > 0;
}

// A regular file converts in blocks on several threads. After a fault the blocks before
// it are out; pump() then converts the file again, writes only what follows them, and
// reports the fault exactly as a run on one thread does.
bool ConvertDriver::convertInBlocks(int fd, const std::string &display, ProgressMeter *meter)
{
    std::string error;
    if (!flushOutput(error)) { // what earlier inputs left in the buffer goes first
        report(error);
        return false;
    }
    const off_t start = ::lseek(fd, 0, SEEK_CUR);
    struct stat st = {};
    if (start < 0 || ::fstat(fd, &st) != 0)
        return pump(fd, display, meter);
    const int jobs = m_options.jobs > 0 ? m_options.jobs : BlockPipeline::usableProcessors();
    const std::size_t blockSize = std::min(m_options.bufferSize, BlockPipeline::blockSizeFor(jobs));
    // A small file keeps no more threads than it has blocks.
    const auto blocks =
        (static_cast<std::uint64_t>(std::max<off_t>(st.st_size - start, 0)) + blockSize - 1) / blockSize;
    const int threads =
        static_cast<int>(std::clamp<std::uint64_t>(blocks, 1, static_cast<std::uint64_t>(jobs)));

    std::uint64_t done = 0;
    BlockPipeline::Progress progress;
    if (meter) {
        progress = [&done, meter](std::uint64_t read) {
            done = read;
            meter->update(read);
        };
    }
    BlockPipeline pipeline(m_options, threads, blockSize);
    const BlockPipeline::Outcome outcome = pipeline.run(fd, m_outFd, progress);
    m_written += outcome.written;
    if (meter && outcome.status != BlockPipeline::Status::Fault)
        meter->finish(done);
    switch (outcome.status) {
    case BlockPipeline::Status::Done:
        return true;
    case BlockPipeline::Status::WriteFault:
        report(m_outName + ": byte offset " + std::to_string(m_written) +
               ": cannot write: " + errnoText(outcome.writeError));
        return false;
    case BlockPipeline::Status::Fault:
        break;
    }
    if (!outcome.error.empty()) {
        report(display + ": " + outcome.error);
        return false;
    }
    if (::lseek(fd, start, SEEK_SET) < 0) {
        report(display + ": cannot read: " + errnoText());
        return false;
    }
    m_alreadyWritten = outcome.written;
    if (!pump(fd, display, meter))
        return false; // run() writes out what follows the blocks, when the output is a stream
    // The fault did not come back (a read error): what follows the blocks goes out now.
    if (!flushOutput(error)) {
        report(error);
        return false;
    }
    m_alreadyWritten = 0;
    return true;
}

// Reads the first bytes of an input, which tell whether it starts with a UTF-16LE mark.
bool ConvertDriver::readHead(int fd, std::size_t &size, std::string &error)
{
    size = 0;
    while (size < InputDecoder::MarkSize) {
        const ssize_t got = ::read(fd, m_in.get() + size, InputDecoder::MarkSize - size);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = "byte offset " + std::to_string(size) + ": cannot read: " + errnoText();
            return false;
        }
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
        if (static_cast<unsigned char>(m_in[0]) != 0xFF)
            break; // no mark: no need to wait for more
    }
    return true;
}

bool ConvertDriver::pump(int fd, const std::string &display, ProgressMeter *meter)
{
    m_utf8Out.reset();
    StreamConverter converter(m_options.plan());
    const bool eachRead = arrivesInPieces(fd);
    std::uint64_t done = 0;
    std::string error;
    const auto fail = [&](const std::string &message) {
        if (meter)
            meter->finish(done);
        report(message);
        return false;
    };
    const auto finishText = [&]() {
        m_converted.resize(0);
        converter.flush(m_converted);
        return emitConverted(display, error);
    };
    // Converts one piece of input; on a fault, what was sound before it still goes out.
    const auto takePiece = [&](std::size_t size) {
        const std::ptrdiff_t units = m_decoder.decode(m_in.get(), size, m_units.get());
        const std::size_t sound = units >= 0 ? static_cast<std::size_t>(units) : m_decoder.error().doneBefore;
        if (sound > 0) {
            m_converted.resize(0);
            converter.feed(QStringView(m_units.get(), static_cast<qsizetype>(sound)), m_converted);
            // No rule reads across a line break, so a text cut after one converts as the
            // whole does: a line that arrives goes out whole, not less its last units.
            if (eachRead && units >= 0 && m_units[sound - 1] == u'\n')
                converter.flush(m_converted);
            if (!emitConverted(display, error))
                return false;
        }
        if (units < 0) {
            if (finishText())
                error = display + ": " + m_decoder.describeError();
            return false;
        }
        return !eachRead || flushOutput(error);
    };

    std::size_t head = 0;
    if (m_decoder.choosesByMark() && !readHead(fd, head, error))
        return fail(display + ": " + error);
    if (!m_decoder.start(m_in.get(), head, error))
        return fail(display + ": " + error);
    done = head;
    if (head > 0 && !takePiece(head))
        return fail(error);
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
        if (!takePiece(static_cast<std::size_t>(got)))
            return fail(error);
        if (meter)
            meter->update(done);
    }
    if (!m_decoder.finish()) {
        if (finishText())
            error = display + ": " + m_decoder.describeError();
        return fail(error);
    }
    if (!finishText())
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
        reserveOutput(codec::Utf8Encoder::maxBytes(count));
        const std::ptrdiff_t bytes = m_utf8Out.encode(units, count, m_out.get() + m_outSize);
        if (bytes < 0) {
            m_outSize += m_utf8Out.error().doneBefore;
            error = encoderMessage(display);
            return false;
        }
        m_outSize += static_cast<std::size_t>(bytes);
    } else {
        reserveOutput(codec::Utf16LeCodec::maxBytes(count));
        m_outSize += codec::Utf16LeCodec::encode(units, count, m_out.get() + m_outSize);
    }
    return m_outSize < FlushSize || flushOutput(error);
}

bool ConvertDriver::flushOutput(std::string &error)
{
    // What the block pipeline wrote before a fault is not written twice.
    const auto skipped = static_cast<std::size_t>(std::min<std::uint64_t>(m_alreadyWritten, m_outSize));
    m_alreadyWritten -= skipped;
    std::size_t put = 0;
    const int fault = writeFully(m_outFd, m_out.get() + skipped, m_outSize - skipped, put);
    m_written += put;
    if (fault != 0) {
        // What went out is gone from the buffer; a later flush must not repeat it.
        put += skipped;
        std::memmove(m_out.get(), m_out.get() + put, m_outSize - put);
        m_outSize -= put;
        error =
            m_outName + ": byte offset " + std::to_string(m_written) + ": cannot write: " + errnoText(fault);
        return false;
    }
    m_outSize = 0;
    return true;
}

} // namespace pirtok::cli
