#include "codec/IconvDecoder.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <utility>

namespace pirtok::codec {

namespace {

constexpr const char *Undefined = "a byte that the code page does not define";
constexpr const char *CutAtEnd = "a sequence cut short by the end of the input";
constexpr const char *TooLong = "a sequence the code page cannot read";

// The units come from iconv as UTF-16LE bytes.
void toHostOrder(char16_t *units, std::size_t count)
{
    if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) {
        for (std::size_t j = 0; j < count; ++j)
            units[j] = static_cast<char16_t>(qFromLittleEndian<quint16>(static_cast<quint16>(units[j])));
    }
}

} // namespace

IconvDecoder::IconvDecoder(std::string charset) : m_charset(std::move(charset)) {}

IconvDecoder::~IconvDecoder()
{
    if (m_handle)
        ::iconv_close(static_cast<iconv_t>(m_handle));
}

bool IconvDecoder::open(std::string &error)
{
    if (m_handle)
        return true;
    const iconv_t handle = ::iconv_open("UTF-16LE", m_charset.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        error = "the system cannot convert from " + m_charset + " (iconv: " + std::strerror(errno) + ")";
        return false;
    }
    m_handle = handle;
    return true;
}

std::ptrdiff_t IconvDecoder::fail(std::uint64_t offset, const char *reason, std::size_t doneBefore)
{
    m_error = CodecError{offset, reason, doneBefore};
    return -1;
}

std::size_t IconvDecoder::convert(const char *in, std::size_t size, char16_t *out, std::size_t &units,
                                  int &fault)
{
    char *inPtr = const_cast<char *>(in); // iconv's signature; it does not write there
    std::size_t inLeft = size;
    char *outStart = reinterpret_cast<char *>(out + units);
    char *outPtr = outStart;
    std::size_t outLeft = 2 * maxUnits(size);
    fault = 0;
    if (::iconv(static_cast<iconv_t>(m_handle), &inPtr, &inLeft, &outPtr, &outLeft) ==
        static_cast<std::size_t>(-1))
        fault = errno;
    const std::size_t produced = static_cast<std::size_t>(outPtr - outStart) / 2;
    toHostOrder(out + units, produced);
    units += produced;
    return size - inLeft;
}

std::ptrdiff_t IconvDecoder::decode(const char *data, std::size_t size, char16_t *out)
{
    std::size_t units = 0;
    std::size_t from = 0; // bytes of `data` already taken
    int fault = 0;
    if (m_pendingSize > 0 && size > 0) {
        // Finish the sequence held back from the last chunk with the first bytes of this one.
        char joined[2 * MaxPending];
        const std::size_t held = m_pendingSize;
        const std::size_t taken = std::min(size, MaxPending);
        std::memcpy(joined, m_pending, held);
        std::memcpy(joined + held, data, taken);
        const std::size_t took = convert(joined, held + taken, out, units, fault);
        const std::uint64_t start = m_offset - held;
        if (fault == EILSEQ)
            return fail(start + took, Undefined, units);
        if (took < held) {
            if (taken < size || held + taken > MaxPending)
                return fail(start, TooLong, units);
            std::memcpy(m_pending + held, data, taken); // still not whole: wait for more
            m_pendingSize += taken;
            m_offset += taken;
            return static_cast<std::ptrdiff_t>(units);
        }
        from = took - held;
        m_pendingSize = 0;
    }
    const std::uint64_t base = m_offset; // offset of data[0]
    from += convert(data + from, size - from, out, units, fault);
    if (fault == EILSEQ || fault == E2BIG)
        return fail(base + from, Undefined, units);
    if (fault == EINVAL) {
        if (size - from > MaxPending)
            return fail(base + from, TooLong, units);
        m_pendingSize = size - from;
        std::memcpy(m_pending, data + from, m_pendingSize);
    }
    m_offset = base + size;
    return static_cast<std::ptrdiff_t>(units);
}

bool IconvDecoder::finish()
{
    if (m_pendingSize == 0)
        return true;
    fail(m_offset - m_pendingSize, CutAtEnd, 0);
    return false;
}

void IconvDecoder::reset()
{
    if (m_handle)
        ::iconv(static_cast<iconv_t>(m_handle), nullptr, nullptr, nullptr, nullptr);
    m_pendingSize = 0;
    m_offset = 0;
    m_error = CodecError{};
}

} // namespace pirtok::codec
