#pragma once

#include "codec/CodecError.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pirtok::codec {

// Decodes a legacy code page through the system's iconv, strictly: a byte the code page
// does not define is refused with its offset, never replaced. A sequence cut by the end
// of a chunk waits for the next one.
class IconvDecoder
{
public:
    // `charset` as iconv names it ("CP1256").
    explicit IconvDecoder(std::string charset);
    ~IconvDecoder();
    IconvDecoder(const IconvDecoder &) = delete;
    IconvDecoder &operator=(const IconvDecoder &) = delete;

    // Room that decode() may need in `out` for `size` bytes: a byte gives at most one
    // character, which may take two units.
    static constexpr std::size_t maxUnits(std::size_t size) { return 2 * size + 2 * MaxPending; }

    // Opens the conversion; false with `error` set when the system cannot do it.
    bool open(std::string &error);
    // Decodes `size` bytes into `out`; returns the units written, or -1 (see error()).
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out);
    // The input has ended: a held-back partial sequence is refused. True when clean.
    bool finish();
    void reset();

    const CodecError &error() const { return m_error; }

private:
    static constexpr std::size_t MaxPending = 8;

    std::ptrdiff_t fail(std::uint64_t offset, const char *reason, std::size_t doneBefore);
    // Runs iconv over `size` bytes at `in`; returns the bytes it took and sets `fault`
    // to errno when it stopped early.
    std::size_t convert(const char *in, std::size_t size, char16_t *out, std::size_t &units, int &fault);

    std::string m_charset;
    void *m_handle = nullptr; // iconv_t
    char m_pending[MaxPending] = {};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_offset = 0; // bytes taken in so far, held-back ones included
    CodecError m_error;
};

} // namespace pirtok::codec
