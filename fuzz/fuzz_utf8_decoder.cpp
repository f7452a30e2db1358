// The strict UTF-8 decoder: the same units and the same fault however the input is cut,
// exactly Qt's reading of any sound input, and the encoder gives the bytes back.

#include "codec/Utf8Decoder.h"
#include "codec/Utf8Encoder.h"
#include "fuzz/FuzzSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstring>

using namespace pirtok::codec;

namespace {

struct Decoded
{
    std::u16string units; // everything sound, up to the fault if any
    bool ok = true;
    CodecError error;
};

Decoded decode(const char *data, std::size_t size, const std::vector<std::size_t> &pieces)
{
    Decoded result;
    Utf8Decoder decoder;
    std::u16string out(Utf8Decoder::maxUnits(size), u'\0');
    result.ok = fuzzing::decodeInPieces(decoder, data, pieces, out.data(),
                                        [&](std::size_t count) { result.units.append(out.data(), count); });
    if (!result.ok)
        result.error = decoder.error();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FuzzInput input(data, size);
    const std::uint8_t seed = input.byte();
    const char *text = input.rest();
    const std::size_t length = input.restSize();

    const Decoded whole = decode(text, length, {length});
    const Decoded cut = decode(text, length, fuzzing::FuzzInput::cuts(length, seed));
    fuzzing::check(whole.ok == cut.ok, "a cut changes whether the input is sound");
    fuzzing::check(whole.units == cut.units, "a cut changes the units");
    if (!whole.ok) {
        fuzzing::check(whole.error.offset == cut.error.offset, "a cut moves the fault");
        fuzzing::check(std::strcmp(whole.error.reason, cut.error.reason) == 0, "a cut changes the reason");
        fuzzing::check(whole.error.offset < length, "the fault lies past the input");
    }
    // Everything before the fault is sound UTF-8, read as Qt reads it (told to keep a
    // leading byte-order mark, as the decoder does).
    const std::size_t sound = whole.ok ? length : std::size_t(whole.error.offset);
    QStringDecoder qtDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString qt = qtDecoder(QByteArrayView(text, qsizetype(sound)));
    fuzzing::check(!qtDecoder.hasError(), "Qt refuses what the decoder took");
    fuzzing::check(qt.size() == qsizetype(whole.units.size()) &&
                       std::memcmp(qt.utf16(), whole.units.data(), 2 * whole.units.size()) == 0,
                   "the units differ from Qt's reading");

    // And the encoder writes exactly those bytes back.
    Utf8Encoder encoder;
    std::string bytes(Utf8Encoder::maxBytes(whole.units.size()), '\0');
    const std::ptrdiff_t written = encoder.encode(whole.units.data(), whole.units.size(), bytes.data());
    fuzzing::check(written >= 0 && encoder.finish(), "the encoder refuses decoded units");
    fuzzing::check(std::size_t(written) == sound && std::memcmp(bytes.data(), text, sound) == 0,
                   "the round trip changes the bytes");
    return 0;
}
