#pragma once

#include "cli/ByteBuffer.h"
#include "cli/ConvertOptions.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace pirtok::cli {

class BlockConverter;

// Converts one input on several threads. No rule reaches across a line feed, so text cut
// after any line feed converts piece by piece to the same output as a whole: each thread
// reads the next block (cut after its last line feed), converts it as a text of its own
// and writes it when every block before it has been written. A block without a line feed
// stays whole: its thread converts and writes it piece by piece as it reads, so memory
// stays bounded whatever the input.
class BlockPipeline
{
public:
    enum class Status
    {
        Done,
        Fault,     // a decode, encode or read fault: nothing of its block or after was written
        WriteFault // `writeError` holds the errno
    };
    struct Outcome
    {
        Status status = Status::Done;
        std::uint64_t written = 0; // bytes written to the output
        int writeError = 0;
        std::string error; // a start() refusal (a missing code page), else empty
    };
    using Progress = std::function<void(std::uint64_t bytesRead)>;

    // `threads` at least 1; blocks of about `blockSize` bytes.
    BlockPipeline(const ConvertOptions &options, int threads, std::size_t blockSize);

    Outcome run(int inFd, int outFd, const Progress &progress = {});

    // The block size that keeps `threads` threads' buffers within a fixed budget.
    static std::size_t blockSizeFor(int threads);
    // The processors this process may run on (its affinity), at least 1.
    static int usableProcessors();
    // More threads would only share the same processors and the memory budget.
    static constexpr int MaxThreads = 64;

private:
    struct Block
    {
        std::uint64_t ticket = 0;
        ByteBuffer in;
        ByteBuffer out;
    };
    enum class ReadResult
    {
        Block,    // a block ending in a line feed, or the input's last block
        LongLine, // the block holds no line feed yet: convert it while reading on
        End,      // nothing left, or the run is over
        Fault
    };

    void work(BlockConverter &converter);
    ReadResult readBlock(Block &block, bool &last);
    bool readSome(ByteBuffer &buffer, std::size_t upTo, bool &ended);
    std::size_t lastLineEnd(const char *data, std::size_t size) const;
    std::size_t firstLineEnd(const char *data, std::size_t size) const;
    bool convertLongLine(BlockConverter &converter, Block &block, bool &last);
    bool startText(BlockConverter &converter);
    bool stopped();
    bool awaitTurn(std::uint64_t ticket);
    void passTurn(std::uint64_t ticket);
    bool writeOut(const ByteBuffer &out);
    void fail(Status status);

    const ConvertOptions &m_options;
    int m_threads;
    std::size_t m_blockSize;
    int m_inFd = 0;
    int m_outFd = 1;
    Progress m_progress;
    bool m_utf16 = false; // line feeds are the units 0A 00 at even offsets
    char m_head[2] = {};
    std::size_t m_headSize = 0;

    // Guarded by m_readLock: the reading position.
    std::mutex m_readLock;
    ByteBuffer m_carry; // what followed the last cut
    std::uint64_t m_bytesRead = 0;
    std::uint64_t m_nextTicket = 0;
    bool m_inputEnded = false;

    // Guarded by m_turnLock: the writing position and the outcome.
    std::mutex m_turnLock;
    std::condition_variable m_turnChanged;
    std::uint64_t m_turn = 0; // the ticket whose block is written next
    bool m_stopped = false;
    Outcome m_outcome;
};

} // namespace pirtok::cli
