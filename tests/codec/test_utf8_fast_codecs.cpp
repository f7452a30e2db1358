#include "codec/Utf8Decoder.h"
#include "codec/Utf8Encoder.h"
#include "codec/Utf8FastDecoder.h"
#include "codec/Utf8FastEncoder.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

using namespace pirtok::codec;

namespace {

// Pieces that make text, and pieces that break it, in every length a sequence can have.
const std::vector<QByteArray> &pieces()
{
    static const std::vector<QByteArray> all = {
        "a",
        " ",
        "\n",
        "\xD8\xA9",
        "\xD9\x8E",
        "\xDB\x95",
        "\xC2\xA0",
        "\xDF\xBF",
        "\xE2\x80\x8C",
        "\xEF\xBB\xBF",
        "\xE0\xA4\x85",
        "\xED\x9F\xBF",
        "\xF0\x9F\x98\x80",
        "\xF4\x8F\xBF\xBF",
        "abcdefgh",
        "\xD8\xA9\xD8\xA9\xD8\xA9",
    };
    return all;
}

const std::vector<QByteArray> &faults()
{
    static const std::vector<QByteArray> all = {
        "\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xF5", "\xFF", "\xD8",     "\xD8 ",    "\xE2\x80",     "\xE2\x80 ",    "\xF0\x9F\x98",
    };
    return all;
}

struct Decoded
{
    QString units;
    bool sound = true;
};

// The strict reader alone, over the whole input.
Decoded strictly(const QByteArray &bytes)
{
    Utf8Decoder decoder;
    std::vector<char16_t> out(Utf8Decoder::maxUnits(std::size_t(bytes.size())));
    const std::ptrdiff_t count = decoder.decode(bytes.constData(), std::size_t(bytes.size()), out.data());
    Decoded decoded;
    decoded.sound = count >= 0 && decoder.finish();
    if (count >= 0)
        decoded.units = QString(reinterpret_cast<const QChar *>(out.data()), count);
    return decoded;
}

// The fast reader, fed in pieces cut at random.
Decoded quickly(const QByteArray &bytes, QRandomGenerator &random)
{
    Utf8Decoder decoder;
    Utf8FastDecoder fast;
    Decoded decoded;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype size = std::min<qsizetype>(bytes.size() - at, 1 + random.bounded(40));
        std::vector<char16_t> out(Utf8FastDecoder::maxUnits(std::size_t(size)));
        const std::ptrdiff_t count =
            fast.decode(bytes.constData() + at, std::size_t(size), out.data(), decoder);
        if (count < 0) {
            decoded.sound = false;
            return decoded;
        }
        decoded.units += QString(reinterpret_cast<const QChar *>(out.data()), count);
        at += size;
    }
    decoded.sound = decoder.finish();
    return decoded;
}

// Units of every kind the writer meets, lone surrogates included.
const std::vector<char16_t> &someUnits()
{
    static const std::vector<char16_t> all = {u'a',   u' ',   u'\n',  0x7F,   0x80,   0x0629, 0x06D5, 0x07FF,
                                              0x0800, 0x200C, 0xFEFF, 0xFFFF, 0xD83D, 0xDE00, 0x0627, 0x0644};
    return all;
}

struct Encoded
{
    QByteArray bytes;
    bool sound = true;
};

Encoded strictlyEncoded(const std::vector<char16_t> &units)
{
    Utf8Encoder encoder;
    std::vector<char> out(Utf8Encoder::maxBytes(units.size()));
    const std::ptrdiff_t count = encoder.encode(units.data(), units.size(), out.data());
    Encoded encoded;
    encoded.sound = count >= 0 && encoder.finish();
    if (count >= 0)
        encoded.bytes = QByteArray(out.data(), count);
    return encoded;
}

Encoded quicklyEncoded(const std::vector<char16_t> &units, QRandomGenerator &random)
{
    Utf8Encoder strict;
    Utf8FastEncoder fast;
    Encoded encoded;
    for (std::size_t at = 0; at < units.size();) {
        const std::size_t count = std::min<std::size_t>(units.size() - at, 1 + random.bounded(40));
        std::vector<char> out(Utf8FastEncoder::maxBytes(count));
        const std::ptrdiff_t bytes = fast.encode(units.data() + at, count, out.data(), strict);
        if (bytes < 0) {
            encoded.sound = false;
            return encoded;
        }
        encoded.bytes += QByteArray(out.data(), bytes);
        at += count;
    }
    encoded.sound = strict.finish();
    return encoded;
}

} // namespace

class TestUtf8FastCodecs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsStrictReader_data();
    void sameAsStrictReader();
    void sameAsStrictWriter();
};

void TestUtf8FastCodecs::sameAsStrictReader_data()
{
    QTest::addColumn<bool>("withFault");
    QTest::newRow("well-formed") << false;
    QTest::newRow("one fault") << true;
}

// Same units for sound text; a refusal wherever the strict reader refuses.
void TestUtf8FastCodecs::sameAsStrictReader()
{
    QFETCH(bool, withFault);
    QRandomGenerator random(withFault ? 2 : 1);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int count = random.bounded(60);
        for (int i = 0; i < count; ++i)
            bytes += pieces()[random.bounded(int(pieces().size()))];
        if (withFault)
            bytes.insert(random.bounded(int(bytes.size()) + 1),
                         faults()[random.bounded(int(faults().size()))]);
        const Decoded expected = strictly(bytes);
        const Decoded decoded = quickly(bytes, random);
        QCOMPARE(decoded.sound, expected.sound);
        if (expected.sound)
            QCOMPARE(decoded.units, expected.units);
    }
}

// Same bytes; a refusal wherever the strict writer refuses (a lone surrogate).
void TestUtf8FastCodecs::sameAsStrictWriter()
{
    QRandomGenerator random(3);
    for (int round = 0; round < 5000; ++round) {
        std::vector<char16_t> units;
        const int count = random.bounded(80);
        // Mostly text the fast path takes whole; now and then a rarer unit.
        const bool plain = random.bounded(2) == 0;
        for (int i = 0; i < count; ++i) {
            const int pick = random.bounded(plain ? 8 : int(someUnits().size()));
            units.push_back(someUnits()[std::size_t(pick)]);
            if (units.back() == 0xD83D && random.bounded(4) != 0)
                units.push_back(0xDE00);
        }
        const Encoded expected = strictlyEncoded(units);
        const Encoded encoded = quicklyEncoded(units, random);
        QCOMPARE(encoded.sound, expected.sound);
        if (expected.sound)
            QCOMPARE(encoded.bytes, expected.bytes);
    }
}

QTEST_GUILESS_MAIN(TestUtf8FastCodecs)
#include "test_utf8_fast_codecs.moc"
