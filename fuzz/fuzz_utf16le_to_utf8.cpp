// The UTF-16LE reader, refusing lone surrogates, with the UTF-8 encoder behind it: the
// same bytes and the same fault however the input is cut, Qt's UTF-8 for sound input,
// and the UTF-8 decoder reads the result back to the same units.

#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Decoder.h"
#include "codec/Utf8Encoder.h"
#include "fuzz/FuzzSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <cstring>
#include <string>

using namespace pirtok::codec;

namespace {

struct Converted
{
    std::u16string units; // sound units, up to the fault if any
    std::string bytes;    // their UTF-8
    bool ok = true;
    std::uint64_t faultOffset = 0;
};

Converted convert(const char *data, std::size_t size, const std::vector<std::size_t> &pieces)
{
    Converted result;
    Utf16LeCodec reader(true);
    Utf8Encoder encoder;
    std::u16string units(Utf16LeCodec::maxUnits(size), u'\0');
    std::string bytes;
    const auto encode = [&](std::size_t count) {
        bytes.assign(Utf8Encoder::maxBytes(count), '\0');
        const std::ptrdiff_t written = encoder.encode(units.data(), count, bytes.data());
        fuzzing::check(written >= 0, "the encoder refuses what the reader let through");
        result.bytes.append(bytes.data(), std::size_t(written));
        result.units.append(units.data(), count);
    };
    result.ok = fuzzing::decodeInPieces(reader, data, pieces, units.data(), encode);
    if (!result.ok)
        result.faultOffset = reader.error().offset;
    fuzzing::check(!result.ok || encoder.finish(), "a lone surrogate reached the end");
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FuzzInput input(data, size);
    const std::uint8_t seed = input.byte();
    const char *text = input.rest();
    const std::size_t length = input.restSize();

    const Converted whole = convert(text, length, {length});
    const Converted cut = convert(text, length, fuzzing::FuzzInput::cuts(length, seed));
    fuzzing::check(whole.ok == cut.ok, "a cut changes whether the input is sound");
    fuzzing::check(whole.units == cut.units && whole.bytes == cut.bytes, "a cut changes the output");
    if (!whole.ok)
        fuzzing::check(whole.faultOffset == cut.faultOffset && whole.faultOffset < length,
                       "a cut moves the fault");

    if (whole.ok) {
        QStringEncoder qtEncoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QByteArray qt = qtEncoder(QStringView(whole.units.data(), qsizetype(whole.units.size())));
        fuzzing::check(qt == QByteArray::fromStdString(whole.bytes), "the bytes differ from Qt's UTF-8");
        fuzzing::check(2 * whole.units.size() == length && std::memcmp(whole.units.data(), text, length) == 0,
                       "the reader changed a unit");
    }
    Utf8Decoder decoder;
    std::u16string back(Utf8Decoder::maxUnits(whole.bytes.size()), u'\0');
    const std::ptrdiff_t count = decoder.decode(whole.bytes.data(), whole.bytes.size(), back.data());
    fuzzing::check(count >= 0 && decoder.finish(), "the UTF-8 written is not sound");
    back.resize(std::size_t(count));
    fuzzing::check(back == whole.units, "the round trip changes the units");
    return 0;
}
