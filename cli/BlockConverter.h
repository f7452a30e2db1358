#pragma once

#include "cli/ByteBuffer.h"
#include "cli/ConvertOptions.h"
#include "cli/InputDecoder.h"
#include "codec/Utf8Encoder.h"
#include "codec/Utf8FastDecoder.h"
#include "codec/Utf8FastEncoder.h"
#include "convert/core/StreamConverter.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <string>

namespace pirtok::cli {

// Decodes, converts and encodes one text in a single pass, a small slice at a time, so
// the units between the three steps stay in the processor's cache. One per thread.
class BlockConverter
{
public:
    explicit BlockConverter(const ConvertOptions &options);

    // Begins a text of an input whose first bytes are `head` (they choose the encoding
    // when no --from was given); the text itself may begin later in the input.
    bool start(const char *head, std::size_t headSize, std::string &error);
    // Converts `size` bytes of the text and appends the output to `out`. False on a
    // fault, after which the converter wants a new start().
    bool feed(const char *data, std::size_t size, ByteBuffer &out);
    // The text has ended: appends what was held back. False on a fault.
    bool finish(ByteBuffer &out);
    // The encoding start() chose.
    TextEncoding encoding() const { return m_decoder.encoding(); }

private:
    std::ptrdiff_t decode(const char *data, std::size_t size);
    bool encodeConverted(ByteBuffer &out);

    // Bytes decoded per slice: their units, converted, stay in the second-level cache.
    static constexpr std::size_t SliceSize = std::size_t(16) << 10;

    const ConvertOptions &m_options;
    InputDecoder m_decoder;
    codec::Utf8FastDecoder m_utf8;
    bool m_fastUtf8 = false;
    StreamConverter m_converter;
    codec::Utf8Encoder m_encoder;
    codec::Utf8FastEncoder m_utf8Out;
    std::unique_ptr<char16_t[]> m_units;
    QString m_converted;
};

} // namespace pirtok::cli
