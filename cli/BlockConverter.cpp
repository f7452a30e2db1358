#include "cli/BlockConverter.h"

#include "codec/Utf16LeCodec.h"

#include <algorithm>

namespace pirtok::cli {

BlockConverter::BlockConverter(const ConvertOptions &options)
    : m_options(options), m_decoder(options), m_converter(options.plan()),
      m_units(new char16_t[std::max(InputDecoder::maxUnits(SliceSize),
                                    codec::Utf8FastDecoder::maxUnits(SliceSize))])
{
}

bool BlockConverter::start(const char *head, std::size_t headSize, std::string &error)
{
    m_encoder.reset();
    m_utf8Out.reset();
    m_converted.resize(0);
    m_converter.flush(m_converted); // forgets what a failed text held back
    m_utf8.reset();
    if (!m_decoder.start(head, headSize, error))
        return false;
    m_fastUtf8 = m_decoder.encoding() == TextEncoding::Utf8;
    return true;
}

std::ptrdiff_t BlockConverter::decode(const char *data, std::size_t size)
{
    if (m_fastUtf8)
        return m_utf8.decode(data, size, m_units.get(), m_decoder);
    return m_decoder.decode(data, size, m_units.get());
}

bool BlockConverter::feed(const char *data, std::size_t size, ByteBuffer &out)
{
    for (std::size_t done = 0; done < size;) {
        const std::size_t slice = std::min(SliceSize, size - done);
        const std::ptrdiff_t units = decode(data + done, slice);
        if (units < 0)
            return false;
        done += slice;
        m_converted.resize(0);
        m_converter.feed(QStringView(m_units.get(), static_cast<qsizetype>(units)), m_converted);
        if (!encodeConverted(out))
            return false;
    }
    return true;
}

bool BlockConverter::finish(ByteBuffer &out)
{
    if (!m_decoder.finish())
        return false;
    m_converted.resize(0);
    m_converter.flush(m_converted);
    if (!encodeConverted(out))
        return false;
    return m_options.to != TextEncoding::Utf8 || m_encoder.finish();
}

bool BlockConverter::encodeConverted(ByteBuffer &out)
{
    const auto count = static_cast<std::size_t>(m_converted.size());
    const auto *units = reinterpret_cast<const char16_t *>(m_converted.constData());
    if (m_options.to == TextEncoding::Utf8) {
        const std::ptrdiff_t bytes =
            m_utf8Out.encode(units, count, out.extend(codec::Utf8FastEncoder::maxBytes(count)), m_encoder);
        if (bytes < 0)
            return false;
        out.grew(static_cast<std::size_t>(bytes));
    } else {
        out.grew(codec::Utf16LeCodec::encode(units, count, out.extend(codec::Utf16LeCodec::maxBytes(count))));
    }
    return true;
}

} // namespace pirtok::cli
