#include "cli/InputDecoder.h"

#include "codec/ByteOrderMark.h"

#include <vector>

namespace pirtok::cli {

namespace {

constexpr const char *Cp1256Hint = "; if the text is in the Windows Arabic code page, try --from cp1256";
constexpr const char *Utf16Hint = "; the input begins with the UTF-16LE byte-order mark: try --from utf-16le";
constexpr const char *NotUtf16 =
    "the input does not look like UTF-16LE (it reads as UTF-8: leave out --from)";

bool startsWithUtf16LeMark(const char *head, std::size_t size)
{
    return codec::findByteOrderMark(head, size).mark == codec::ByteOrderMark::Utf16Le;
}

} // namespace

InputDecoder::InputDecoder(const ConvertOptions &options)
    : m_chosen(options.from), m_given(options.fromGiven), m_current(options.from),
      // UTF-8 output cannot hold a lone surrogate: refuse it where the input has it.
      m_utf16(options.to == TextEncoding::Utf8), m_cp1256("CP1256")
{
}

bool InputDecoder::start(const char *head, std::size_t size, std::string &error)
{
    m_current = !m_given && startsWithUtf16LeMark(head, size) ? TextEncoding::Utf16Le : m_chosen;
    m_sample.clear();
    m_judged = false;
    m_refused = false;
    switch (m_current) {
    case TextEncoding::Utf8:
        m_utf8.reset();
        return true;
    case TextEncoding::Utf16Le:
        m_utf16.reset();
        return true;
    case TextEncoding::Cp1256:
        if (!m_cp1256.open(error))
            return false;
        m_cp1256.reset();
        return true;
    }
    return true;
}

std::ptrdiff_t InputDecoder::decode(const char *data, std::size_t size, char16_t *out)
{
    if (m_sample.size() < SampleSize)
        m_sample.append(data, std::min(size, SampleSize - m_sample.size()));
    switch (m_current) {
    case TextEncoding::Utf8:
        return m_utf8.decode(data, size, out);
    case TextEncoding::Utf16Le:
        if (!m_judged && m_sample.size() >= JudgedSize && refusedAsUtf8())
            return -1;
        return m_utf16.decode(data, size, out);
    case TextEncoding::Cp1256:
        return m_cp1256.decode(data, size, out);
    }
    return -1;
}

bool InputDecoder::finish()
{
    switch (m_current) {
    case TextEncoding::Utf8:
        return m_utf8.finish();
    case TextEncoding::Utf16Le:
        // A short input is judged whole.
        if (!m_judged && !m_sample.empty() && refusedAsUtf8())
            return false;
        return m_utf16.finish();
    case TextEncoding::Cp1256:
        return m_cp1256.finish();
    }
    return false;
}

const codec::CodecError &InputDecoder::error() const
{
    if (m_refused)
        return m_refusal;
    switch (m_current) {
    case TextEncoding::Utf16Le:
        return m_utf16.error();
    case TextEncoding::Cp1256:
        return m_cp1256.error();
    case TextEncoding::Utf8:
        break;
    }
    return m_utf8.error();
}

bool InputDecoder::refusedAsUtf8()
{
    m_judged = true;
    m_refused = sampleReadsAsUtf8();
    if (m_refused)
        m_refusal = codec::CodecError{0, NotUtf16, 0};
    return m_refused;
}

std::string InputDecoder::describeError() const
{
    const codec::CodecError &fault = error();
    const std::string where = "byte offset " + std::to_string(fault.offset) + ": ";
    switch (m_current) {
    case TextEncoding::Utf8:
        // Text with no multi-byte sequence before the fault is likely in a code page.
        if (startsWithUtf16LeMark(m_sample.data(), m_sample.size()))
            return where + fault.reason + Utf16Hint;
        return where + fault.reason + (m_utf8.sawMultiByte() ? "" : Cp1256Hint);
    case TextEncoding::Utf16Le:
        if (sampleReadsAsUtf8())
            return where + NotUtf16;
        return where + fault.reason;
    case TextEncoding::Cp1256:
        return where + "invalid cp1256: " + fault.reason;
    }
    return where + fault.reason;
}

// UTF-16LE text has NUL bytes (ASCII), control bytes (0x06 for Arabic script, 0x0C for
// the zero-width non-joiner) or bytes that UTF-8 never holds; UTF-8 text has none.
bool InputDecoder::sampleReadsAsUtf8() const
{
    for (const char c : m_sample) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            return false;
    }
    std::vector<char16_t> units(codec::Utf8Decoder::maxUnits(m_sample.size()));
    codec::Utf8Decoder decoder;
    // A sequence cut by the end of the sample may go on after it.
    return decoder.decode(m_sample.data(), m_sample.size(), units.data()) >= 0;
}

} // namespace pirtok::cli
