#pragma once

#include "cli/AtomicOutputFile.h"
#include "cli/ConvertOptions.h"
#include "cli/InputDecoder.h"
#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Encoder.h"

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
// buffer at a time, so memory stays the same whatever the size of the input. A regular
// file goes through the block pipeline instead, on several threads.
class ConvertDriver
{
public:
    explicit ConvertDriver(ConvertOptions options);
    ~ConvertDriver();

    // Converts all inputs; returns the exit status (0, or 1 after an error, which has
    // been written to standard error). On error an output file is left untouched, while
    // standard output gets all that was converted before the fault, as from any filter.
    int run();

private:
    bool openOutput();
    bool convertInput(const std::string &name);
    bool isSameAsStandardOutput(int fd) const;
    bool pump(int fd, const std::string &display, ProgressMeter *meter);
    bool convertInBlocks(int fd, const std::string &display, ProgressMeter *meter);
    bool readHead(int fd, std::size_t &size, std::string &error);
    bool emitConverted(const std::string &display, std::string &error);
    bool flushOutput(std::string &error);
    std::string encoderMessage(const std::string &display) const;
    void reserveOutput(std::size_t bytes);
    void report(const std::string &message);

    ConvertOptions m_options;
    AtomicOutputFile m_file;
    bool m_toFile = false; // the output is m_file, not a descriptor of the caller's
    int m_outFd = 1;
    std::string m_outName;
    std::uint64_t m_written = 0; // bytes written to the output so far
    // Bytes of the next output that the block pipeline wrote already, before a fault
    // made pump() convert the same input again.
    std::uint64_t m_alreadyWritten = 0;

    InputDecoder m_decoder;
    codec::Utf8Encoder m_utf8Out;

    std::size_t m_inCapacity;
    std::unique_ptr<char[]> m_in;
    std::unique_ptr<char16_t[]> m_units;
    QString m_converted;
    std::unique_ptr<char[]> m_out;
    std::size_t m_outSize = 0;
    std::size_t m_outCapacity = 0;
};

} // namespace pirtok::cli
