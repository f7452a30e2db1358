#include "codec/SingleByteEncoder.h"

#include "codec/IconvDecoder.h"

#include <utility>

namespace pirtok::codec {

namespace {

constexpr const char *NotInCodePage = "a character that the code page cannot hold";
constexpr std::size_t UnitCount = 0x10000;
constexpr int ByteCount = 256;

bool isHigh(char16_t u)
{
    return (u & 0xFC00) == 0xD800;
}
bool isLow(char16_t u)
{
    return (u & 0xFC00) == 0xDC00;
}

} // namespace

SingleByteEncoder::SingleByteEncoder(std::string charset) : m_charset(std::move(charset)) {}

bool SingleByteEncoder::open(std::string &error)
{
    if (!m_byteOf.empty())
        return true;
    IconvDecoder reader(m_charset);
    if (!reader.open(error))
        return false;
    std::vector<std::int16_t> table(UnitCount, NoByte);
    for (int b = 0; b < ByteCount; ++b) {
        reader.reset();
        const char byte = static_cast<char>(b);
        char16_t units[IconvDecoder::maxUnits(1)];
        // A byte the page leaves undefined, or one that reads as two units, has no way back.
        if (reader.decode(&byte, 1, units) == 1 && reader.finish() && table[units[0]] == NoByte)
            table[units[0]] = static_cast<std::int16_t>(b);
    }
    m_byteOf = std::move(table);
    return true;
}

std::ptrdiff_t SingleByteEncoder::encode(const char16_t *units, std::size_t count, char *out)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::int16_t byte = m_byteOf[units[i]];
        if (byte == NoByte) {
            m_refused = units[i];
            if (isHigh(units[i]) && i + 1 < count && isLow(units[i + 1]))
                m_refused = 0x10000 + ((char32_t(units[i]) - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            m_error = CodecError{m_position + i, NotInCodePage, i};
            return -1;
        }
        out[i] = static_cast<char>(byte);
    }
    m_position += count;
    return static_cast<std::ptrdiff_t>(count);
}

void SingleByteEncoder::reset()
{
    m_position = 0;
    m_refused = 0;
    m_error = CodecError{};
}

} // namespace pirtok::codec
