#include "codec/Utf8FastDecoder.h"

#include "codec/Ssse3.h"

#include <array>
#include <cstdint>

namespace pirtok::codec {

namespace {

// The length a lead byte announces; a byte that leads nothing counts as one, which the
// strict reader refuses.
std::size_t announcedLength(unsigned char lead)
{
    if (lead >= 0xC0 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    return 1;
}

#ifdef PIRTOK_UTF8_GROUPS

// How to decode eight bytes whose two-byte leads are the bits of the table index: a
// shuffle that puts each character's last byte in the low byte of its unit and its lead
// (or zero, for ASCII) in the high byte; the bytes used (seven when the last byte leads a
// character that goes on in the next group) and the units they give.
struct Group
{
    std::array<std::uint8_t, 16> shuffle;
    std::uint8_t consumed;
    std::uint8_t units;
};

constexpr std::uint8_t Zero = 0x80; // a shuffle index that gives a zero byte

constexpr std::array<Group, 256> makeGroups()
{
    std::array<Group, 256> groups{};
    for (unsigned leads = 0; leads < 256; ++leads) {
        Group &group = groups[leads];
        for (std::uint8_t &index : group.shuffle)
            index = Zero;
        unsigned byte = 0;
        unsigned unit = 0;
        while (byte < 8) {
            if (((leads >> byte) & 1u) != 0) {
                if (byte == 7)
                    break; // its second byte is in the next group
                group.shuffle[2 * unit] = static_cast<std::uint8_t>(byte + 1);
                group.shuffle[2 * unit + 1] = static_cast<std::uint8_t>(byte);
                byte += 2;
            } else {
                group.shuffle[2 * unit] = static_cast<std::uint8_t>(byte);
                byte += 1;
            }
            ++unit;
        }
        group.consumed = static_cast<std::uint8_t>(byte);
        group.units = static_cast<std::uint8_t>(unit);
    }
    return groups;
}

constexpr std::array<Group, 256> Groups = makeGroups();

// Decodes groups of eight bytes while they hold only ASCII and well-formed two-byte
// characters; returns where it stopped. Reads 16 bytes at a time, so it stops 16 bytes
// before the end.
__attribute__((target("ssse3"))) std::size_t decodeGroups(const unsigned char *p, std::size_t size,
                                                          std::size_t i, char16_t *out, std::size_t &k)
{
    const __m128i leadFloor = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i threeFloor = _mm_set1_epi8(static_cast<char>(0xE0));
    const __m128i topBits = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i continuation = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i overlongMask = _mm_set1_epi8(static_cast<char>(0xFE));
    const __m128i leadBits = _mm_set1_epi16(0x1F00);
    const __m128i asciiBits = _mm_set1_epi16(0x007F);
    std::size_t written = k;
    while (i + 16 <= size) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const auto mask = [](__m128i flags) {
            return static_cast<unsigned>(_mm_movemask_epi8(flags)) & 0xFFu;
        };
        const unsigned leads = mask(_mm_cmpeq_epi8(_mm_max_epu8(bytes, leadFloor), bytes));
        const unsigned trails = mask(_mm_cmpeq_epi8(_mm_and_si128(bytes, topBits), continuation));
        const unsigned longer = mask(_mm_cmpeq_epi8(_mm_max_epu8(bytes, threeFloor), bytes));
        const unsigned overlong = mask(_mm_cmpeq_epi8(_mm_and_si128(bytes, overlongMask), leadFloor));
        // Sound when every lead is followed by a trail and every trail follows a lead.
        if ((longer | overlong | (trails ^ ((leads << 1) & 0xFFu))) != 0)
            break;
        const Group &group = Groups[leads];
        const __m128i paired =
            _mm_shuffle_epi8(bytes, _mm_loadu_si128(reinterpret_cast<const __m128i *>(group.shuffle.data())));
        const __m128i decoded = _mm_or_si128(_mm_srli_epi16(_mm_and_si128(paired, leadBits), 2),
                                             _mm_and_si128(paired, asciiBits));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + written), decoded);
        // The same as group.consumed, but straight from the byte: the next group's load
        // need not wait for the masks and the table.
        i += 8 - ((p[i + 7] + 0x40u) >> 8); // minus one when the byte is 0xC0 or more
        written += group.units;
    }
    k = written;
    return i;
}

#endif

} // namespace

std::ptrdiff_t Utf8FastDecoder::decode(const char *data, std::size_t size, char16_t *out, ByteDecoder &strict)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
#ifdef PIRTOK_UTF8_GROUPS
    const bool useGroups = hasSsse3();
#endif
    std::size_t i = 0;
    std::size_t k = 0;
    if (m_strictNeeds > 0) {
        // The rest of a sequence that the last call's data cut.
        const std::size_t given = std::min(m_strictNeeds, size);
        const std::ptrdiff_t units = strict.decode(data, given, out);
        if (units < 0)
            return -1;
        m_strictNeeds -= given;
        i = given;
        k = static_cast<std::size_t>(units);
    }
    while (i < size) {
#ifdef PIRTOK_UTF8_GROUPS
        if (useGroups) {
            i = decodeGroups(p, size, i, out, k);
            if (i == size)
                break;
        }
#endif
        const unsigned lead = p[i];
        if (lead < 0x80) {
            out[k++] = static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead < 0xE0 && i + 1 < size && (p[i + 1] & 0xC0u) == 0x80u) {
            out[k++] = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (p[i + 1] & 0x3Fu));
            i += 2;
            continue;
        }
        // Anything else is the strict reader's, one sequence at a time.
        const std::size_t announced = announcedLength(static_cast<unsigned char>(lead));
        const std::size_t given = std::min(announced, size - i);
        const std::ptrdiff_t units = strict.decode(data + i, given, out + k);
        if (units < 0)
            return -1;
        k += static_cast<std::size_t>(units);
        i += given;
        m_strictNeeds = announced - given;
    }
    return static_cast<std::ptrdiff_t>(k);
}

} // namespace pirtok::codec
