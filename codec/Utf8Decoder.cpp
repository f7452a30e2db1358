#include "codec/Utf8Decoder.h"

#include <cstring>

namespace pirtok::codec {

namespace {

constexpr const char *StrayContinuation = "invalid UTF-8: a continuation byte without a lead byte";
constexpr const char *InvalidByte = "invalid UTF-8: a byte that never occurs in UTF-8";
constexpr const char *Overlong = "invalid UTF-8: an overlong encoding";
constexpr const char *Surrogate = "invalid UTF-8: an encoded surrogate (U+D800 to U+DFFF)";
constexpr const char *TooLarge = "invalid UTF-8: a code point above U+10FFFF";
constexpr const char *CutShort = "invalid UTF-8: a sequence cut short";
constexpr const char *CutAtEnd = "invalid UTF-8: a sequence cut short by the end of the input";

// The sequence at `p` with `avail` bytes at hand: its length and code point (> 0), 0 when
// the bytes at hand are a sound beginning that needs more, or -1 with the reason.
int sequenceAt(const unsigned char *p, std::size_t avail, char32_t &cp, const char *&reason)
{
    const unsigned char lead = p[0];
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    const char *outOfRange = Overlong;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if (lead < 0xC0) {
        reason = StrayContinuation;
        return -1;
    }
    if (lead < 0xC2) {
        reason = Overlong;
        return -1;
    }
    if (lead < 0xE0) {
        length = 2;
    } else if (lead < 0xF0) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
            outOfRange = Surrogate;
        }
    } else if (lead < 0xF5) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
            outOfRange = TooLarge;
        }
    } else {
        reason = lead < 0xF8 ? TooLarge : InvalidByte;
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) >= avail)
            return 0;
        const unsigned char b = p[i];
        if ((b & 0xC0) != 0x80) {
            reason = CutShort;
            return -1;
        }
        if (i == 1 && (b < low || b > high)) {
            reason = outOfRange;
            return -1;
        }
    }
    char32_t value = lead & (0x7Fu >> length);
    for (int i = 1; i < length; ++i)
        value = (value << 6) | (p[i] & 0x3Fu);
    cp = value;
    return length;
}

inline std::size_t put(char32_t cp, char16_t *out)
{
    if (cp < 0x10000) {
        *out = static_cast<char16_t>(cp);
        return 1;
    }
    cp -= 0x10000;
    out[0] = static_cast<char16_t>(0xD800 + (cp >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    return 2;
}

} // namespace

std::ptrdiff_t Utf8Decoder::fail(std::uint64_t offset, const char *reason, std::size_t doneBefore)
{
    m_error = CodecError{offset, reason, doneBefore};
    return -1;
}

// Finishes the sequence held back from the last chunk with the first bytes of this one.
std::ptrdiff_t Utf8Decoder::completePending(const unsigned char *data, std::size_t size, char16_t *out,
                                            std::size_t &consumed)
{
    unsigned char joined[8];
    std::memcpy(joined, m_pending, m_pendingSize);
    const std::size_t taken = size < 4 - m_pendingSize ? size : 4 - m_pendingSize;
    std::memcpy(joined + m_pendingSize, data, taken);
    const std::uint64_t start = m_offset - m_pendingSize;
    char32_t cp = 0;
    const char *reason = "";
    const int length = sequenceAt(joined, m_pendingSize + taken, cp, reason);
    if (length < 0)
        return fail(start, reason);
    if (length == 0) { // still incomplete: the whole chunk was too short
        std::memcpy(m_pending + m_pendingSize, data, size);
        m_pendingSize += size;
        m_offset += size;
        consumed = size;
        return 0;
    }
    consumed = static_cast<std::size_t>(length) - m_pendingSize;
    m_pendingSize = 0;
    m_sawMultiByte = true;
    m_offset += consumed;
    return static_cast<std::ptrdiff_t>(put(cp, out));
}

std::ptrdiff_t Utf8Decoder::decode(const char *data, std::size_t size, char16_t *out)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    std::size_t i = 0;
    std::size_t k = 0;
    if (m_pendingSize > 0 && size > 0) {
        const std::ptrdiff_t written = completePending(p, size, out, i);
        if (written < 0)
            return -1;
        k = static_cast<std::size_t>(written);
        if (m_pendingSize > 0)
            return 0;
    }
    const std::uint64_t base = m_offset - i; // file offset of p[0]
    const std::size_t firstByte = i;
    const std::size_t firstUnit = k;
    // Every multi-byte sequence gives fewer units than bytes; ASCII gives one each.
    const auto noteMultiByte = [&]() {
        if (k - firstUnit < i - firstByte)
            m_sawMultiByte = true;
    };
    while (i < size) {
        if (p[i] < 0x80) {
            // Eight ASCII bytes at a time while they last.
            while (i + 8 <= size) {
                std::uint64_t word;
                std::memcpy(&word, p + i, 8);
                if (word & 0x8080808080808080ull)
                    break;
                for (int j = 0; j < 8; ++j)
                    out[k + j] = p[i + j];
                i += 8;
                k += 8;
            }
            while (i < size && p[i] < 0x80)
                out[k++] = p[i++];
            continue;
        }
        // Arabic script is two-byte sequences between ASCII spaces and punctuation: take
        // both kinds without a branch per character, until anything else comes.
        const std::size_t runStart = i;
        while (i + 1 < size) {
            const unsigned lead = p[i];
            const unsigned trail = p[i + 1] ^ 0x80u;
            const bool ascii = lead < 0x80u;
            if (!ascii & (lead - 0xC2u > 0xDFu - 0xC2u || trail > 0x3Fu))
                break;
            out[k++] = static_cast<char16_t>(ascii ? lead : (((lead & 0x1Fu) << 6) | trail));
            i += ascii ? 1 : 2;
        }
        if (i != runStart)
            continue;
        char32_t cp = 0;
        const char *reason = "";
        const int length = sequenceAt(p + i, size - i, cp, reason);
        if (length < 0) {
            noteMultiByte();
            return fail(base + i, reason, k);
        }
        if (length == 0) {
            m_pendingSize = size - i;
            std::memcpy(m_pending, p + i, m_pendingSize);
            break;
        }
        k += put(cp, out + k);
        i += static_cast<std::size_t>(length);
    }
    noteMultiByte();
    m_offset = base + size;
    return static_cast<std::ptrdiff_t>(k);
}

bool Utf8Decoder::finish()
{
    if (m_pendingSize == 0)
        return true;
    fail(m_offset - m_pendingSize, CutAtEnd);
    return false;
}

void Utf8Decoder::reset()
{
    m_pendingSize = 0;
    m_offset = 0;
    m_sawMultiByte = false;
    m_error = CodecError{};
}

} // namespace pirtok::codec
