#include "codec/Utf16BeDecoder.h"

namespace pirtok::codec {

std::ptrdiff_t Utf16BeDecoder::decode(const char *data, std::size_t size, char16_t *out)
{
    m_swapped.resize(size + 1);
    std::size_t in = 0;
    std::size_t n = 0;
    if (m_hasOddByte && size > 0) {
        m_swapped[n++] = data[0];
        m_swapped[n++] = m_oddByte;
        m_hasOddByte = false;
        in = 1;
    }
    for (; in + 1 < size; in += 2) {
        m_swapped[n++] = data[in + 1];
        m_swapped[n++] = data[in];
    }
    if (in < size) {
        m_oddByte = data[in];
        m_hasOddByte = true;
    }
    return m_little.decode(m_swapped.data(), n, out);
}

bool Utf16BeDecoder::finish()
{
    // The reader refuses the odd byte itself, at its offset.
    if (m_hasOddByte) {
        char16_t unused[Utf16LeCodec::maxUnits(1)];
        m_hasOddByte = false;
        if (m_little.decode(&m_oddByte, 1, unused) < 0)
            return false;
    }
    return m_little.finish();
}

void Utf16BeDecoder::reset()
{
    m_little.reset();
    m_hasOddByte = false;
}

} // namespace pirtok::codec
