#pragma once

#include "cli/ConvertOptions.h"
#include "codec/ByteDecoder.h"
#include "codec/CodecError.h"
#include "codec/IconvDecoder.h"
#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Decoder.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace pirtok::cli {

// The reader of one input after another: UTF-8, UTF-16LE or the Windows Arabic code page
// as the options say. Without --from, an input that begins with the UTF-16LE byte-order
// mark is read as UTF-16LE (FF FE never begins UTF-8 text). Input read as UTF-16LE whose
// first bytes read as UTF-8 text is refused before any of it goes out: as UTF-16LE it
// would come out as a string of unrelated characters.
class InputDecoder final : public codec::ByteDecoder
{
public:
    // Bytes at the start of an input that start() wants to see, when it has to choose.
    static constexpr std::size_t MarkSize = 2;

    explicit InputDecoder(const ConvertOptions &options);

    static constexpr std::size_t maxUnits(std::size_t size)
    {
        return std::max({codec::Utf8Decoder::maxUnits(size), codec::Utf16LeCodec::maxUnits(size),
                         codec::IconvDecoder::maxUnits(size)});
    }

    // Whether start() chooses the encoding from the first bytes of each input.
    bool choosesByMark() const { return !m_given; }
    // Begins a new input whose first bytes (up to MarkSize, fewer for a shorter input) are
    // `head`; they are not decoded here. False with `error` set when the system lacks the
    // code page.
    bool start(const char *head, std::size_t size, std::string &error);

    // Decodes `size` bytes into `out`; returns the units written, or -1 (see error()).
    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out) override;
    // The input has ended: true when it ended cleanly.
    bool finish();

    const codec::CodecError &error() const;
    // The fault as the user should read it: where, what, and the likely encoding when the
    // input seems to be in another one.
    std::string describeError() const;
    TextEncoding encoding() const { return m_current; }

private:
    // A sample of the input's first bytes, to tell after a fault what the input looks like.
    static constexpr std::size_t SampleSize = 4096;

    // UTF-16LE input is judged once its first bytes are at hand, before most of it goes out.
    static constexpr std::size_t JudgedSize = 16;

    bool sampleReadsAsUtf8() const;
    // Judges the sample; true when the input is refused as UTF-8 text.
    bool refusedAsUtf8();

    TextEncoding m_chosen;
    bool m_given;
    TextEncoding m_current;
    bool m_judged = false;  // whether UTF-16LE input was checked for looking like UTF-8
    bool m_refused = false; // it did: m_refusal says so
    codec::CodecError m_refusal;
    codec::Utf8Decoder m_utf8;
    codec::Utf16LeCodec m_utf16;
    codec::IconvDecoder m_cp1256;
    std::string m_sample;
};

} // namespace pirtok::cli
