#include "cli/BlockPipeline.h"

#include "cli/BlockConverter.h"
#include "cli/WriteFully.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sched.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace pirtok::cli {

namespace {

// All threads' blocks together, input and output, stay near this; a block is never
// smaller than MinBlockSize, so many threads share the cost of a line cut fairly.
constexpr std::size_t BufferBudget = std::size_t(8) << 20;
constexpr std::size_t MaxBlockSize = std::size_t(1) << 20;
constexpr std::size_t MinBlockSize = std::size_t(64) << 10;

constexpr char LineFeed = '\n';

} // namespace

BlockPipeline::BlockPipeline(const ConvertOptions &options, int threads, std::size_t blockSize)
    : m_options(options), m_threads(std::clamp(threads, 1, MaxThreads)),
      // Even, so that blocks of UTF-16LE text begin on a unit.
      m_blockSize(std::max<std::size_t>(blockSize & ~std::size_t(1), 2))
{
}

std::size_t BlockPipeline::blockSizeFor(int threads)
{
    // Input and up to twice as much output per thread.
    const std::size_t share = BufferBudget / (3 * static_cast<std::size_t>(std::max(threads, 1)));
    return std::clamp(share, MinBlockSize, MaxBlockSize);
}

int BlockPipeline::usableProcessors()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    int count = 0;
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        count = CPU_COUNT(&set);
    if (count <= 0)
        count = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(count, 1, MaxThreads);
}

BlockPipeline::Outcome BlockPipeline::run(int inFd, int outFd, const Progress &progress)
{
    m_inFd = inFd;
    m_outFd = outFd;
    m_progress = progress;

    std::vector<std::unique_ptr<BlockConverter>> converters;
    for (int i = 0; i < m_threads; ++i)
        converters.push_back(std::make_unique<BlockConverter>(m_options));

    // The first bytes choose the encoding, which says what a line feed looks like.
    bool ended = false;
    if (!readSome(m_carry, sizeof m_head, ended)) {
        m_outcome.status = Status::Fault;
        return m_outcome;
    }
    m_headSize = m_carry.size();
    std::memcpy(m_head, m_carry.data(), m_headSize);
    if (!converters.front()->start(m_head, m_headSize, m_outcome.error)) {
        m_outcome.status = Status::Fault;
        return m_outcome;
    }
    m_utf16 = converters.front()->encoding() == TextEncoding::Utf16Le;

    std::vector<std::thread> helpers;
    for (int i = 1; i < m_threads; ++i)
        helpers.emplace_back([this, &converters, i] { work(*converters[static_cast<std::size_t>(i)]); });
    work(*converters.front());
    for (std::thread &helper : helpers)
        helper.join();
    return m_outcome;
}

void BlockPipeline::work(BlockConverter &converter)
{
    Block block;
    for (;;) {
        bool last = false;
        ReadResult result;
        {
            std::lock_guard<std::mutex> reading(m_readLock);
            result = readBlock(block, last);
            if (result == ReadResult::LongLine) {
                // The next block may not be read before this line has ended.
                if (!convertLongLine(converter, block, last))
                    return;
                continue;
            }
        }
        if (result == ReadResult::End)
            return;
        bool sound = result == ReadResult::Block;
        if (sound) {
            block.out.clear();
            sound = startText(converter) && converter.feed(block.in.data(), block.in.size(), block.out) &&
                    converter.finish(block.out);
        }
        if (!awaitTurn(block.ticket))
            return;
        if (!sound) {
            fail(Status::Fault);
            return;
        }
        if (!writeOut(block.out))
            return;
        passTurn(block.ticket);
    }
}

// Called with m_readLock held.
BlockPipeline::ReadResult BlockPipeline::readBlock(Block &block, bool &last)
{
    if (m_inputEnded || stopped())
        return ReadResult::End;
    block.in.clear();
    block.in.append(m_carry.data(), m_carry.size());
    m_carry.clear();
    bool ended = false;
    const bool readOk = readSome(block.in, m_blockSize, ended);
    if (readOk && ended && block.in.size() == 0) {
        m_inputEnded = true;
        return ReadResult::End;
    }
    block.ticket = m_nextTicket++;
    if (!readOk || ended) {
        m_inputEnded = true;
        last = true;
        return readOk ? ReadResult::Block : ReadResult::Fault;
    }
    const std::size_t cut = lastLineEnd(block.in.data(), block.in.size());
    if (cut == 0)
        return ReadResult::LongLine;
    m_carry.append(block.in.data() + cut, block.in.size() - cut);
    block.in.truncate(cut);
    return ReadResult::Block;
}

bool BlockPipeline::readSome(ByteBuffer &buffer, std::size_t upTo, bool &ended)
{
    while (buffer.size() < upTo) {
        const std::size_t wanted = upTo - buffer.size();
        const ssize_t got = ::read(m_inFd, buffer.extend(wanted), wanted);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0) {
            ended = true;
            break;
        }
        buffer.grew(static_cast<std::size_t>(got));
        m_bytesRead += static_cast<std::uint64_t>(got);
        if (m_progress)
            m_progress(m_bytesRead);
    }
    return true;
}

// The offset just after the last line feed in `data`, 0 when there is none. A block
// begins on a unit, so UTF-16LE units stand at even offsets.
std::size_t BlockPipeline::lastLineEnd(const char *data, std::size_t size) const
{
    if (!m_utf16) {
        const void *found = ::memrchr(data, LineFeed, size);
        return found == nullptr ? 0 : static_cast<std::size_t>(static_cast<const char *>(found) - data) + 1;
    }
    for (std::size_t i = size & ~std::size_t(1); i >= 2; i -= 2) {
        if (data[i - 2] == LineFeed && data[i - 1] == 0)
            return i;
    }
    return 0;
}

// The offset just after the first line feed in `data`, 0 when there is none.
std::size_t BlockPipeline::firstLineEnd(const char *data, std::size_t size) const
{
    if (!m_utf16) {
        const void *found = std::memchr(data, LineFeed, size);
        return found == nullptr ? 0 : static_cast<std::size_t>(static_cast<const char *>(found) - data) + 1;
    }
    for (std::size_t i = 0; i + 2 <= size; i += 2) {
        if (data[i] == LineFeed && data[i + 1] == 0)
            return i + 2;
    }
    return 0;
}

// Called with m_readLock held and a full block without a line feed in `block`: waits for
// the block's turn, then converts and writes piece by piece while reading on, up to the
// first line feed or the end of the input.
bool BlockPipeline::convertLongLine(BlockConverter &converter, Block &block, bool &last)
{
    if (!awaitTurn(block.ticket))
        return false;
    if (!startText(converter)) {
        fail(Status::Fault);
        return false;
    }
    for (;;) {
        block.out.clear();
        const bool sound =
            last ? converter.feed(block.in.data(), block.in.size(), block.out) && converter.finish(block.out)
                 : converter.feed(block.in.data(), block.in.size(), block.out);
        if (!sound) {
            m_inputEnded = true;
            fail(Status::Fault);
            return false;
        }
        if (!writeOut(block.out))
            return false;
        if (last)
            break;
        block.in.clear();
        bool ended = false;
        if (!readSome(block.in, m_blockSize, ended)) {
            m_inputEnded = true;
            fail(Status::Fault);
            return false;
        }
        const std::size_t cut = firstLineEnd(block.in.data(), block.in.size());
        if (cut > 0) {
            m_carry.append(block.in.data() + cut, block.in.size() - cut);
            block.in.truncate(cut);
            last = true;
            m_inputEnded = ended && m_carry.size() == 0;
        } else if (ended) {
            last = true;
            m_inputEnded = true;
        }
    }
    passTurn(block.ticket);
    return true;
}

bool BlockPipeline::startText(BlockConverter &converter)
{
    std::string ignored; // the first start() already told whether the encoding is there
    return converter.start(m_head, m_headSize, ignored);
}

bool BlockPipeline::stopped()
{
    std::lock_guard<std::mutex> turn(m_turnLock);
    return m_stopped;
}

bool BlockPipeline::awaitTurn(std::uint64_t ticket)
{
    std::unique_lock<std::mutex> turn(m_turnLock);
    m_turnChanged.wait(turn, [&] { return m_turn == ticket || m_stopped; });
    return !m_stopped;
}

void BlockPipeline::passTurn(std::uint64_t ticket)
{
    {
        std::lock_guard<std::mutex> turn(m_turnLock);
        m_turn = ticket + 1;
    }
    m_turnChanged.notify_all();
}

// Only the thread whose turn it is writes.
bool BlockPipeline::writeOut(const ByteBuffer &out)
{
    std::size_t put = 0;
    const int error = writeFully(m_outFd, out.data(), out.size(), put);
    m_outcome.written += put;
    if (error == 0)
        return true;
    m_outcome.writeError = error;
    fail(Status::WriteFault);
    return false;
}

// Called by the thread whose turn it is: every block before its own has been written.
void BlockPipeline::fail(Status status)
{
    {
        std::lock_guard<std::mutex> turn(m_turnLock);
        if (!m_stopped)
            m_outcome.status = status;
        m_stopped = true;
    }
    m_turnChanged.notify_all();
}

} // namespace pirtok::cli
