#pragma once

// What the fuzz targets share: a reader that takes choices from the front of the fuzzer's
// bytes, and a check that stops the run with a message the fuzzer keeps.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fuzzing {

inline void check(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    // The next byte, or 0 when none is left.
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    const char *rest() const { return reinterpret_cast<const char *>(m_data + m_pos); }
    std::size_t restSize() const { return m_size - m_pos; }

    // Cuts `total` into pieces whose sizes come from a small generator seeded by `seed`:
    // mostly tiny pieces, where chunk borders fall inside sequences, now and then large ones.
    static std::vector<std::size_t> cuts(std::size_t total, std::uint32_t seed)
    {
        std::vector<std::size_t> sizes;
        std::uint32_t state = seed * 2654435761u + 1;
        std::size_t done = 0;
        while (done < total) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const std::size_t piece = (state & 7) == 0 ? 1 + (state >> 8) % 4096 : 1 + (state >> 8) % 5;
            sizes.push_back(piece < total - done ? piece : total - done);
            done += sizes.back();
        }
        return sizes;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Feeds `data` to `decoder` in `pieces` (as many bytes as they add up to), handing `take`
// the count of sound units each piece left in `out`: all of them, or those before a fault.
// Returns false on a fault, in a piece or at the end, which decoder.error() describes.
template <typename Decoder, typename Take>
bool decodeInPieces(Decoder &decoder, const char *data, const std::vector<std::size_t> &pieces, char16_t *out,
                    Take take)
{
    std::size_t at = 0;
    for (std::size_t piece : pieces) {
        const std::ptrdiff_t count = decoder.decode(data + at, piece, out);
        at += piece;
        take(count < 0 ? decoder.error().doneBefore : std::size_t(count));
        if (count < 0)
            return false;
    }
    return decoder.finish();
}

} // namespace fuzzing
