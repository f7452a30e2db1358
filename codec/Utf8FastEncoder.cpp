#include "codec/Utf8FastEncoder.h"

#include "codec/Utf8Encoder.h"

#include "codec/Ssse3.h"

#include <array>
#include <cstdint>

namespace pirtok::codec {

namespace {

#ifdef PIRTOK_UTF8_GROUPS

// Eight units each stand as two bytes, lead and trail; a unit below 0x80 keeps only its
// first. Indexed by the ASCII units' bits: the shuffle that closes the gaps, and the bytes.
struct Group
{
    std::array<std::uint8_t, 16> shuffle;
    std::uint8_t bytes;
};

constexpr std::array<Group, 256> makeGroups()
{
    std::array<Group, 256> groups{};
    for (unsigned ascii = 0; ascii < 256; ++ascii) {
        Group &group = groups[ascii];
        for (std::uint8_t &index : group.shuffle)
            index = 0x80;
        unsigned byte = 0;
        for (unsigned unit = 0; unit < 8; ++unit) {
            group.shuffle[byte++] = static_cast<std::uint8_t>(2 * unit);
            if (((ascii >> unit) & 1u) == 0)
                group.shuffle[byte++] = static_cast<std::uint8_t>(2 * unit + 1);
        }
        group.bytes = static_cast<std::uint8_t>(byte);
    }
    return groups;
}

constexpr std::array<Group, 256> Groups = makeGroups();

// Encodes groups of eight units while they are all below 0x800; returns where it stopped.
__attribute__((target("ssse3"))) std::size_t encodeGroups(const char16_t *units, std::size_t count,
                                                          std::size_t i, char *out, std::size_t &k)
{
    const __m128i below800 = _mm_set1_epi16(0x07FF);
    const __m128i asciiMax = _mm_set1_epi16(0x007F);
    const __m128i low6 = _mm_set1_epi16(0x003F);
    const __m128i leadMark = _mm_set1_epi16(0x00C0);
    const __m128i trailMark = _mm_set1_epi16(static_cast<short>(0x8000));
    std::size_t written = k;
    while (i + 8 <= count) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        // Unsigned u <= 0x7FF: saturating subtraction leaves zero.
        const __m128i above = _mm_subs_epu16(u, below800);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, _mm_setzero_si128())) != 0xFFFF)
            break;
        const __m128i isAscii = _mm_cmpeq_epi16(_mm_subs_epu16(u, asciiMax), _mm_setzero_si128());
        // Lead byte in the low half of each lane, trail byte in the high half.
        const __m128i lead =
            _mm_or_si128(_mm_and_si128(isAscii, u),
                         _mm_andnot_si128(isAscii, _mm_or_si128(leadMark, _mm_srli_epi16(u, 6))));
        const __m128i trail = _mm_or_si128(trailMark, _mm_slli_epi16(_mm_and_si128(u, low6), 8));
        const __m128i both = _mm_or_si128(lead, trail);
        const unsigned asciiBits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(isAscii, _mm_setzero_si128()))) & 0xFFu;
        const Group &group = Groups[asciiBits];
        const __m128i packed =
            _mm_shuffle_epi8(both, _mm_loadu_si128(reinterpret_cast<const __m128i *>(group.shuffle.data())));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + written), packed);
        written += group.bytes;
        i += 8;
    }
    k = written;
    return i;
}

#endif

} // namespace

std::ptrdiff_t Utf8FastEncoder::encode(const char16_t *units, std::size_t count, char *out,
                                       Utf8Encoder &strict)
{
    std::size_t i = 0;
    std::size_t k = 0;
#ifdef PIRTOK_UTF8_GROUPS
    const bool useGroups = hasSsse3();
#endif
    while (i < count) {
#ifdef PIRTOK_UTF8_GROUPS
        if (useGroups && !m_strictHolds) {
            i = encodeGroups(units, count, i, out, k);
            if (i == count)
                break;
        }
#endif
        const char16_t unit = units[i];
        if (!m_strictHolds && unit < 0x80) {
            out[k++] = static_cast<char>(unit);
            ++i;
            continue;
        }
        if (!m_strictHolds && unit < 0x800) {
            out[k] = static_cast<char>(0xC0 | (unit >> 6));
            out[k + 1] = static_cast<char>(0x80 | (unit & 0x3F));
            k += 2;
            ++i;
            continue;
        }
        // Three-byte units and surrogates are the strict writer's, one at a time.
        const std::ptrdiff_t bytes = strict.encode(units + i, 1, out + k);
        if (bytes < 0)
            return -1;
        k += static_cast<std::size_t>(bytes);
        m_strictHolds = (unit & 0xFC00) == 0xD800 && !m_strictHolds;
        ++i;
    }
    return static_cast<std::ptrdiff_t>(k);
}

} // namespace pirtok::codec
