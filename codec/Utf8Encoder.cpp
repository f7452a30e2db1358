#include "codec/Utf8Encoder.h"

namespace pirtok::codec {

namespace {

constexpr const char *LoneSurrogate = "a lone surrogate cannot be written as UTF-8";

inline bool isHigh(char16_t u)
{
    return (u & 0xFC00) == 0xD800;
}
inline bool isLow(char16_t u)
{
    return (u & 0xFC00) == 0xDC00;
}

inline std::size_t putPair(char16_t high, char16_t low, char *out)
{
    const char32_t cp = 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

} // namespace

std::ptrdiff_t Utf8Encoder::fail(std::uint64_t index, std::size_t doneBefore)
{
    m_error = CodecError{index, LoneSurrogate, doneBefore};
    return -1;
}

std::ptrdiff_t Utf8Encoder::encode(const char16_t *units, std::size_t count, char *out)
{
    std::size_t i = 0;
    std::size_t k = 0;
    if (m_pendingHigh != 0 && count > 0) {
        if (!isLow(units[0]))
            return fail(m_position - 1);
        k += putPair(m_pendingHigh, units[0], out);
        m_pendingHigh = 0;
        i = 1;
    }
    while (i < count) {
        // Arabic script between ASCII spaces and punctuation: both kinds without a branch
        // per unit. Two bytes are stored either way; the room for three per unit allows it.
        while (i < count && units[i] < 0x800) {
            const unsigned u = units[i];
            const unsigned ascii = 0u - unsigned(u < 0x80); // all ones for ASCII
            out[k] = static_cast<char>((u & ascii) | ((0xC0u | (u >> 6)) & ~ascii));
            out[k + 1] = static_cast<char>(0x80u | (u & 0x3Fu));
            k += 2 - (ascii & 1u);
            ++i;
        }
        if (i == count)
            break;
        const char16_t u = units[i];
        if (u < 0x80) {
            out[k++] = static_cast<char>(u);
            ++i;
        } else if (u < 0x800) {
            out[k] = static_cast<char>(0xC0 | (u >> 6));
            out[k + 1] = static_cast<char>(0x80 | (u & 0x3F));
            k += 2;
            ++i;
        } else if ((u & 0xF800) != 0xD800) {
            out[k] = static_cast<char>(0xE0 | (u >> 12));
            out[k + 1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out[k + 2] = static_cast<char>(0x80 | (u & 0x3F));
            k += 3;
            ++i;
        } else if (isHigh(u)) {
            if (i + 1 == count) {
                m_pendingHigh = u;
                ++i;
            } else if (isLow(units[i + 1])) {
                k += putPair(u, units[i + 1], out + k);
                i += 2;
            } else {
                return fail(m_position + i, k);
            }
        } else {
            return fail(m_position + i, k);
        }
    }
    m_position += count;
    return static_cast<std::ptrdiff_t>(k);
}

bool Utf8Encoder::finish()
{
    if (m_pendingHigh == 0)
        return true;
    fail(m_position - 1);
    return false;
}

void Utf8Encoder::reset()
{
    m_pendingHigh = 0;
    m_position = 0;
    m_error = CodecError{};
}

} // namespace pirtok::codec
