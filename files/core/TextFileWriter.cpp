#include "files/core/TextFileWriter.h"

#include "codec/SingleByteEncoder.h"
#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Encoder.h"
#include "codec/Utf8FastEncoder.h"

#include <QIODevice>

#include <algorithm>
#include <string>
#include <vector>

namespace pirtok::files {

namespace {

constexpr qsizetype ChunkUnits = qsizetype(1) << 20;
constexpr char Utf16LeMark[] = "\xFF\xFE";

bool isHigh(char16_t u)
{
    return (u & 0xFC00) == 0xD800;
}

bool isLow(char16_t u)
{
    return (u & 0xFC00) == 0xDC00;
}

// UTF-8 has no form for half a surrogate pair. The chunks never cut a pair, so a high
// surrogate at the end of one has no partner.
std::size_t firstLoneSurrogate(const char16_t *units, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (isHigh(units[i]) && i + 1 < count && isLow(units[i + 1]))
            ++i;
        else if (isHigh(units[i]) || isLow(units[i]))
            return i;
    }
    return count;
}

// One encoding's writer: encode(units, count, out) returns the bytes or -1.
class ChunkWriter
{
public:
    ChunkWriter(QIODevice &device, SaveEncoding encoding) : m_device(device), m_encoding(encoding) {}

    std::optional<WriteFault> begin()
    {
        if (m_encoding == SaveEncoding::Cp1256) {
            std::string error;
            if (!m_cp1256.open(error))
                return WriteFault{WriteFault::Kind::Failed, 0, 0, QString::fromStdString(error)};
        }
        if (m_encoding == SaveEncoding::Utf16Le)
            return put(Utf16LeMark, 2);
        return std::nullopt;
    }

    // `units` are the text's from unit `position` on.
    std::optional<WriteFault> write(const char16_t *units, std::size_t count, qint64 position)
    {
        m_bytes.resize(codec::Utf8FastEncoder::maxBytes(count));
        std::ptrdiff_t bytes = 0;
        switch (m_encoding) {
        case SaveEncoding::Utf8:
            if (const std::size_t lone = firstLoneSurrogate(units, count); lone < count)
                return WriteFault{WriteFault::Kind::Unencodable, position + qint64(lone), units[lone], {}};
            bytes = m_fast.encode(units, count, m_bytes.data(), m_utf8);
            break;
        case SaveEncoding::Utf16Le:
            m_bytes.resize(codec::Utf16LeCodec::maxBytes(count));
            bytes = std::ptrdiff_t(codec::Utf16LeCodec::encode(units, count, m_bytes.data()));
            break;
        case SaveEncoding::Cp1256:
            bytes = m_cp1256.encode(units, count, m_bytes.data());
            if (bytes < 0) {
                const std::size_t at = m_cp1256.error().doneBefore;
                return WriteFault{
                    WriteFault::Kind::Unencodable, position + qint64(at), m_cp1256.refusedCharacter(), {}};
            }
            break;
        }
        if (bytes < 0) // only after a lone surrogate, which write() has refused before
            return WriteFault{WriteFault::Kind::Failed, position, 0,
                              QString::fromLatin1(m_utf8.error().reason)};
        return put(m_bytes.data(), bytes);
    }

private:
    std::optional<WriteFault> put(const char *data, qint64 size)
    {
        if (m_device.write(data, size) != size)
            return WriteFault{WriteFault::Kind::Failed, 0, 0, m_device.errorString()};
        return std::nullopt;
    }

    QIODevice &m_device;
    SaveEncoding m_encoding;
    codec::Utf8Encoder m_utf8;
    codec::Utf8FastEncoder m_fast;
    codec::SingleByteEncoder m_cp1256{"CP1256"};
    std::vector<char> m_bytes;
};

// The chunk's units with every LF as CR LF.
void withCrLf(const char16_t *units, std::size_t count, std::u16string &out)
{
    out.clear();
    out.reserve(count + count / 8);
    for (std::size_t i = 0; i < count; ++i) {
        if (units[i] == u'\n')
            out.push_back(u'\r');
        out.push_back(units[i]);
    }
}

} // namespace

std::optional<WriteFault> writeTextFile(QIODevice &device, const QString &text, SaveEncoding encoding,
                                        LineBreaks lineBreaks, WorkProgress &progress)
{
    progress.total = text.size();
    progress.done = 0;
    ChunkWriter writer(device, encoding);
    if (auto fault = writer.begin())
        return fault;
    const auto *units = reinterpret_cast<const char16_t *>(text.constData());
    std::u16string expanded;
    for (qsizetype start = 0; start < text.size();) {
        if (progress.cancelled)
            return WriteFault{WriteFault::Kind::Cancelled, start, 0, {}};
        qsizetype end = std::min(start + ChunkUnits, text.size());
        // A surrogate pair stays in one chunk, so that its code point can be named.
        if (end < text.size() && isHigh(units[end - 1]))
            ++end;
        const auto count = std::size_t(end - start);
        std::optional<WriteFault> fault;
        if (lineBreaks == LineBreaks::CrLf) {
            withCrLf(units + start, count, expanded);
            fault = writer.write(expanded.data(), expanded.size(), start);
            // The added CRs do not count as positions of the text.
            if (fault && fault->kind == WriteFault::Kind::Unencodable)
                fault->position -=
                    std::count(expanded.begin(), expanded.begin() + (fault->position - start), u'\n');
        } else {
            fault = writer.write(units + start, count, start);
        }
        if (fault)
            return fault;
        start = end;
        progress.done = start;
    }
    return std::nullopt;
}

} // namespace pirtok::files
