#pragma once

#include "cli/AtomicOutputFile.h"
#include "cli/ConvertOptions.h"
#include "cli/Utf16LeCodec.h"
#include "cli/Utf8Decoder.h"
#include "cli/Utf8Encoder.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

namespace pirtok {
class StreamConverter;
}

namespace pirtok::cli {

class ProgressMeter;

// Pumps every input through decoder, StreamConverter and encoder to the output, one
// buffer at a time, so memory stays the same whatever the size of the input.
class ConvertDriver
{
public:
    explicit ConvertDriver(ConvertOptions options);
    ~ConvertDriver();

    // Converts all inputs; returns the exit status (0, or 1 after an error, which has
    // been written to standard error). On error an output file is left untouched.
    int run();

private:
    bool convertInput(const std::string &name);
    bool isSameAsStandardOutput(int fd) const;
    bool pump(int fd, const std::string &display, ProgressMeter *meter);
    std::ptrdiff_t decode(const char *data, std::size_t size);
    bool finishDecoding();
    const CodecError &decodeError() const;
    bool emitConverted(const std::string &display, std::string &error);
    bool flushOutput(std::string &error);
    std::string encoderMessage(const std::string &display) const;
    void reserveOutput(std::size_t bytes);
    void report(const std::string &message);

    ConvertOptions m_options;
    AtomicOutputFile m_file;
    int m_outFd = 1;
    std::string m_outName;
    std::uint64_t m_written = 0; // bytes written to the output so far

    Utf8Decoder m_utf8In;
    Utf16LeCodec m_utf16In;
    Utf8Encoder m_utf8Out;

    std::unique_ptr<char[]> m_in;
    std::unique_ptr<char16_t[]> m_units;
    QString m_converted;
    std::unique_ptr<char[]> m_out;
    std::size_t m_outSize = 0;
    std::size_t m_outCapacity = 0;
};

} // namespace pirtok::cli
