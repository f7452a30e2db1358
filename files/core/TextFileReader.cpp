#include "files/core/TextFileReader.h"

#include "codec/ByteDecoder.h"
#include "codec/ByteOrderMark.h"
#include "codec/IconvDecoder.h"
#include "codec/Utf16BeDecoder.h"
#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Decoder.h"
#include "codec/Utf8FastDecoder.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace pirtok::files {

namespace {

constexpr qint64 ChunkBytes = qint64(1) << 20;
constexpr qint64 MarkBytes = 3;

// Feeds the device's bytes through `decode` into `text`, chunk by chunk. `decode` takes
// (data, size, out) and returns the units written or -1; `refusedAt` gives the offset of
// the fault; `beforeDecode` may refuse a chunk as not text (returns the offset or -1).
template <class Decode, class RefusedAt, class Check>
std::optional<ReadFault> pump(QIODevice &device, qint64 start, int bytesPerUnit, std::size_t maxUnitsPerChunk,
                              QString &text, WorkProgress &progress, Decode decode, RefusedAt refusedAt,
                              Check beforeDecode)
{
    // Room for the whole text at once: no copy of it while it grows.
    text.reserve(qsizetype(std::max<qint64>(0, device.size() - start) / bytesPerUnit) +
                 qsizetype(maxUnitsPerChunk));
    std::vector<char> chunk(ChunkBytes);
    qsizetype written = 0;
    qint64 offset = start;
    progress.done = start;
    for (;;) {
        if (progress.cancelled)
            return ReadFault{ReadFault::Kind::Cancelled, offset, {}};
        const qint64 got = device.read(chunk.data(), ChunkBytes);
        if (got < 0)
            return ReadFault{ReadFault::Kind::Unreadable, offset, device.errorString()};
        if (got == 0)
            break;
        const qint64 bad = beforeDecode(chunk.data(), static_cast<std::size_t>(got));
        if (bad >= 0)
            return ReadFault{ReadFault::Kind::NotText, offset + bad, {}};
        if (text.capacity() - written < qsizetype(maxUnitsPerChunk)) // the file grew meanwhile
            text.reserve(written + qsizetype(maxUnitsPerChunk) + text.capacity() / 2);
        text.resize(written + qsizetype(maxUnitsPerChunk));
        const std::ptrdiff_t units = decode(chunk.data(), static_cast<std::size_t>(got),
                                            reinterpret_cast<char16_t *>(text.data()) + written);
        if (units < 0)
            return ReadFault{ReadFault::Kind::Invalid, qint64(refusedAt()), {}};
        written += units;
        offset += got;
        progress.done = offset;
    }
    text.resize(written);
    return std::nullopt;
}

qint64 noCheck(const char *, std::size_t)
{
    return -1;
}

qint64 firstNul(const char *data, std::size_t size)
{
    const void *nul = std::memchr(data, 0, size);
    return nul ? static_cast<const char *>(nul) - data : -1;
}

// A decoder that is told the input has ended; false refuses it, as a fault in decode().
// `start` is where the decoder's first byte lies in the file.
template <class Decoder> std::optional<ReadFault> finished(Decoder &decoder, qint64 start)
{
    if (decoder.finish())
        return std::nullopt;
    return ReadFault{ReadFault::Kind::Invalid, start + qint64(decoder.error().offset), {}};
}

std::optional<ReadFault> readUtf16(QIODevice &device, bool bigEndian, QString &text, WorkProgress &progress)
{
    constexpr qint64 Start = 2; // after the mark
    // Text1 holds any UTF-16, lone surrogates too: nothing is refused that it can show.
    if (bigEndian) {
        codec::Utf16BeDecoder decoder;
        auto fault = pump(
            device, Start, 2, codec::Utf16BeDecoder::maxUnits(ChunkBytes), text, progress,
            [&](const char *d, std::size_t n, char16_t *o) { return decoder.decode(d, n, o); },
            [&] { return Start + qint64(decoder.error().offset); }, noCheck);
        return fault ? fault : finished(decoder, Start);
    }
    codec::Utf16LeCodec decoder;
    auto fault = pump(
        device, Start, 2, codec::Utf16LeCodec::maxUnits(ChunkBytes), text, progress,
        [&](const char *d, std::size_t n, char16_t *o) { return decoder.decode(d, n, o); },
        [&] { return Start + qint64(decoder.error().offset); }, noCheck);
    return fault ? fault : finished(decoder, Start);
}

// The strict UTF-8 reader behind the fast front, which hands it only the sequences it
// does not take itself: this one knows where in the file each of them lies, so that a
// fault is told by its offset in the file.
class PlacedUtf8Reader final : public codec::ByteDecoder
{
public:
    // The next bytes the front sees are the chunk at file offset `offset`.
    void chunkAt(const char *chunk, qint64 offset)
    {
        m_chunk = chunk;
        m_chunkOffset = offset;
    }

    std::ptrdiff_t decode(const char *data, std::size_t size, char16_t *out) override
    {
        const qint64 seenBefore = qint64(m_strict.bytesSeen());
        const std::ptrdiff_t units = m_strict.decode(data, size, out);
        // A sequence the last chunk cut ends at the start of this one, so the bytes the
        // reader counts lie together around `data`.
        if (units < 0)
            m_faultOffset = m_chunkOffset + (data - m_chunk) + (qint64(m_strict.error().offset) - seenBefore);
        return units;
    }

    // The end of the file at `end`: a sequence cut there is refused at its first byte.
    std::optional<ReadFault> finish(qint64 end)
    {
        if (m_strict.finish())
            return std::nullopt;
        const qint64 back = qint64(m_strict.bytesSeen()) - qint64(m_strict.error().offset);
        return ReadFault{ReadFault::Kind::Invalid, end - back, {}};
    }

    qint64 faultOffset() const { return m_faultOffset; }

private:
    codec::Utf8Decoder m_strict;
    const char *m_chunk = nullptr;
    qint64 m_chunkOffset = 0;
    qint64 m_faultOffset = 0;
};

std::optional<ReadFault> readUtf8(QIODevice &device, qint64 start, bool refuseNul, QString &text,
                                  WorkProgress &progress)
{
    PlacedUtf8Reader strict;
    codec::Utf8FastDecoder fast;
    qint64 offset = start;
    auto fault = pump(
        device, start, 1, codec::Utf8FastDecoder::maxUnits(ChunkBytes), text, progress,
        [&](const char *d, std::size_t n, char16_t *o) {
            strict.chunkAt(d, offset);
            offset += qint64(n);
            return fast.decode(d, n, o, strict);
        },
        [&] { return strict.faultOffset(); }, refuseNul ? firstNul : noCheck);
    return fault ? fault : strict.finish(offset);
}

std::optional<ReadFault> readCp1256(QIODevice &device, QString &text, WorkProgress &progress)
{
    codec::IconvDecoder decoder("CP1256");
    std::string error;
    if (!decoder.open(error))
        return ReadFault{ReadFault::Kind::Unreadable, 0, QString::fromStdString(error)};
    auto fault = pump(
        device, 0, 1, codec::IconvDecoder::maxUnits(ChunkBytes), text, progress,
        [&](const char *d, std::size_t n, char16_t *o) { return decoder.decode(d, n, o); },
        [&] { return decoder.error().offset; }, firstNul);
    return fault ? fault : finished(decoder, 0);
}

bool rewind(QIODevice &device, qint64 to, ReadFault &fault)
{
    if (device.seek(to))
        return true;
    fault = ReadFault{ReadFault::Kind::Unreadable, 0, device.errorString()};
    return false;
}

} // namespace

LineBreaks lineBreaksOf(const QString &text)
{
    const qsizetype lineFeed = text.indexOf(QLatin1Char('\n'));
    return lineFeed > 0 && text.at(lineFeed - 1) == QLatin1Char('\r') ? LineBreaks::CrLf : LineBreaks::Lf;
}

ReadResult readTextFile(QIODevice &device, WorkProgress &progress)
{
    ReadResult result;
    progress.total = device.size();
    const QByteArray head = device.peek(MarkBytes);
    const codec::MarkFound mark = codec::findByteOrderMark(head.constData(), std::size_t(head.size()));
    std::optional<ReadFault> fault;
    if (mark.mark != codec::ByteOrderMark::None && !device.skip(qint64(mark.length)))
        fault = ReadFault{ReadFault::Kind::Unreadable, 0, device.errorString()};
    else {
        switch (mark.mark) {
        case codec::ByteOrderMark::Utf8:
            result.encoding = FileEncoding::Utf8Marked;
            fault = readUtf8(device, qint64(mark.length), false, result.text, progress);
            break;
        case codec::ByteOrderMark::Utf16Le:
            result.encoding = FileEncoding::Utf16Le;
            fault = readUtf16(device, false, result.text, progress);
            break;
        case codec::ByteOrderMark::Utf16Be:
            result.encoding = FileEncoding::Utf16Be;
            fault = readUtf16(device, true, result.text, progress);
            break;
        case codec::ByteOrderMark::None:
            result.encoding = FileEncoding::Utf8;
            fault = readUtf8(device, 0, true, result.text, progress);
            // Bytes that are not UTF-8 are read again as the legacy code page; a NUL, a
            // failed read or a stop ends it here.
            if (fault && fault->kind == ReadFault::Kind::Invalid) {
                result.text.clear();
                result.encoding = FileEncoding::Cp1256;
                ReadFault seekFault;
                fault = rewind(device, 0, seekFault) ? readCp1256(device, result.text, progress) : seekFault;
            }
            break;
        }
    }
    if (fault) {
        result.text = QString();
        result.fault = fault;
        return result;
    }
    result.lineBreaks = lineBreaksOf(result.text);
    return result;
}

} // namespace pirtok::files
