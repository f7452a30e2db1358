#include "codec/Utf16LeCodec.h"

#include <QtEndian>

#include <cstring>

namespace pirtok::codec {

namespace {

constexpr const char *OddLength = "invalid UTF-16LE: the input ends in the middle of a code unit";
constexpr const char *LoneSurrogate = "a lone surrogate cannot be written as UTF-8";

inline bool isHigh(char16_t u)
{
    return (u & 0xFC00) == 0xD800;
}
inline bool isLow(char16_t u)
{
    return (u & 0xFC00) == 0xDC00;
}

} // namespace

std::ptrdiff_t Utf16LeCodec::fail(std::uint64_t offset, const char *reason, std::size_t doneBefore)
{
    m_error = CodecError{offset, reason, doneBefore};
    return -1;
}

std::ptrdiff_t Utf16LeCodec::decode(const char *data, std::size_t size, char16_t *out)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    // Byte offset of the first unit that this call completes.
    const std::uint64_t firstOffset = m_offset - (m_hasOddByte ? 1 : 0) - (m_pendingHigh != 0 ? 2 : 0);
    std::size_t k = 0;
    if (m_pendingHigh != 0) {
        out[k++] = m_pendingHigh;
        m_pendingHigh = 0;
    }
    std::size_t i = 0;
    if (m_hasOddByte && size > 0) {
        out[k++] = static_cast<char16_t>(m_oddByte | (p[0] << 8));
        m_hasOddByte = false;
        i = 1;
    }
    const std::size_t whole = (size - i) / 2;
    std::memcpy(out + k, p + i, 2 * whole);
    if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) {
        for (std::size_t j = 0; j < whole; ++j)
            out[k + j] = static_cast<char16_t>(qFromLittleEndian<quint16>(static_cast<quint16>(out[k + j])));
    }
    k += whole;
    i += 2 * whole;
    if (i < size) {
        m_oddByte = p[i];
        m_hasOddByte = true;
    }
    m_offset += size;
    if (m_refuseLone)
        return checkSurrogates(out, k, firstOffset);
    return static_cast<std::ptrdiff_t>(k);
}

// Refuses the first lone surrogate among `count` decoded units; a high surrogate at the
// very end waits for the next chunk, which tells whether its partner follows.
std::ptrdiff_t Utf16LeCodec::checkSurrogates(char16_t *units, std::size_t count, std::uint64_t firstOffset)
{
    for (std::size_t j = 0; j < count; ++j) {
        const char16_t u = units[j];
        if ((u & 0xF800) != 0xD800)
            continue;
        if (isHigh(u)) {
            if (j + 1 == count) {
                m_pendingHigh = u;
                return static_cast<std::ptrdiff_t>(count - 1);
            }
            if (isLow(units[j + 1])) {
                ++j;
                continue;
            }
        }
        return fail(firstOffset + 2 * j, LoneSurrogate, j);
    }
    return static_cast<std::ptrdiff_t>(count);
}

bool Utf16LeCodec::finish()
{
    if (m_hasOddByte) {
        fail(m_offset - 1, OddLength);
        return false;
    }
    if (m_pendingHigh != 0) {
        fail(m_offset - 2, LoneSurrogate);
        return false;
    }
    return true;
}

void Utf16LeCodec::reset()
{
    m_hasOddByte = false;
    m_pendingHigh = 0;
    m_offset = 0;
    m_error = CodecError{};
}

std::size_t Utf16LeCodec::encode(const char16_t *units, std::size_t count, char *out)
{
    if (count == 0) // `out` may be null then
        return 0;
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(out, units, 2 * count);
    } else {
        for (std::size_t j = 0; j < count; ++j)
            qToLittleEndian<quint16>(static_cast<quint16>(units[j]), out + 2 * j);
    }
    return 2 * count;
}

} // namespace pirtok::codec
