#include "codec/IconvDecoder.h"
#include "codec/Utf16LeCodec.h"
#include "codec/Utf8Decoder.h"
#include "codec/Utf8Encoder.h"
#include "tests/support/CodeUnits.h"

#include <QTest>

#include <vector>

using namespace pirtok::codec;
using codeunits::units;

namespace {

struct Outcome
{
    QByteArray output; // decoded units as raw UTF-16 bytes, or encoded bytes
    qint64 errorOffset = -1;
    QByteArray reason;
};

QByteArray unitBytes(const std::vector<char16_t> &units)
{
    return QByteArray(reinterpret_cast<const char *>(units.data()), qsizetype(2 * units.size()));
}

QByteArray unitBytes(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), 2 * text.size());
}

// Feeds `input` in pieces that end at the given cut positions.
template <typename Codec, typename Step>
Outcome feed(Codec &codec, const QByteArray &input, const std::vector<qsizetype> &cuts, Step step)
{
    Outcome outcome;
    qsizetype from = 0;
    std::vector<qsizetype> ends = cuts;
    ends.push_back(input.size());
    for (qsizetype end : ends) {
        if (!step(codec, input.constData() + from, std::size_t(end - from), outcome.output)) {
            outcome.errorOffset = qint64(codec.error().offset);
            outcome.reason = codec.error().reason;
            return outcome;
        }
        from = end;
    }
    if (!codec.finish()) {
        outcome.errorOffset = qint64(codec.error().offset);
        outcome.reason = codec.error().reason;
    }
    return outcome;
}

template <typename Codec>
bool decodeStep(Codec &codec, const char *data, std::size_t size, QByteArray &output)
{
    std::vector<char16_t> units(Codec::maxUnits(size));
    const std::ptrdiff_t count = codec.decode(data, size, units.data());
    // What came before a fault is sound and kept.
    units.resize(count < 0 ? codec.error().doneBefore : std::size_t(count));
    output += unitBytes(units);
    return count >= 0;
}

bool encodeStep(Utf8Encoder &codec, const char *data, std::size_t size, QByteArray &output)
{
    const std::size_t count = size / 2;
    std::vector<char> bytes(Utf8Encoder::maxBytes(count));
    const std::ptrdiff_t written =
        codec.encode(reinterpret_cast<const char16_t *>(data), count, bytes.data());
    output += QByteArray(bytes.data(), written < 0 ? qsizetype(codec.error().doneBefore) : written);
    return written >= 0;
}

// Every way of cutting `input` in two, and byte by byte (unit by unit for `stride` 2),
// must give what the whole input gives at once: the same output, up to a fault if any.
template <typename Make, typename Step>
void checkAllCuts(Make make, const QByteArray &input, Step step, qsizetype stride = 1)
{
    auto whole = make();
    const Outcome expected = feed(whole, input, {}, step);
    for (qsizetype cut = stride; cut < input.size(); cut += stride) {
        auto codec = make();
        const Outcome got = feed(codec, input, {cut}, step);
        QCOMPARE(got.errorOffset, expected.errorOffset);
        QCOMPARE(got.reason, expected.reason);
        QCOMPARE(got.output, expected.output);
    }
    std::vector<qsizetype> every;
    for (qsizetype cut = stride; cut < input.size(); cut += stride)
        every.push_back(cut);
    auto codec = make();
    const Outcome got = feed(codec, input, every, step);
    QCOMPARE(got.errorOffset, expected.errorOffset);
    QCOMPARE(got.reason, expected.reason);
    QCOMPARE(got.output, expected.output);
}

// The code-page reader, opened; iconv's own UTF-8 stands for a code page whose
// characters take several bytes.
struct OpenedIconv : IconvDecoder
{
    explicit OpenedIconv(const QByteArray &charset) : IconvDecoder(charset.toStdString())
    {
        std::string error;
        QVERIFY2(open(error), error.c_str());
    }
};

} // namespace

class TestCliCodecs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void utf8Decoder_data();
    void utf8Decoder();
    void utf8Encoder_data();
    void utf8Encoder();
    void utf16LeReader_data();
    void utf16LeReader();
    void decoderOffsetCountsEarlierChunks();
    void multiByteSeenBeforeAFault_data();
    void multiByteSeenBeforeAFault();
    void codePageReader_data();
    void codePageReader();
};

void TestCliCodecs::utf8Decoder_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qint64>("errorOffset");
    QTest::addColumn<QByteArray>("reason");

    const QString none;
    QTest::newRow("ascii") << QByteArray("plain ascii text, longer than eight")
                           << QStringLiteral("plain ascii text, longer than eight") << qint64(-1)
                           << QByteArray();
    QTest::newRow("two-byte letters") << QByteArray("\xD8\xA9\xD9\x8E a")
                                      << units({0x0629, 0x064E, 0x20, 0x61}) << qint64(-1) << QByteArray();
    QTest::newRow("three-byte ZWNJ") << QByteArray("\xD9\x87\xE2\x80\x8C") << units({0x0647, 0x200C})
                                     << qint64(-1) << QByteArray();
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBFx") << units({0xFEFF, 0x78}) << qint64(-1) << QByteArray();
    QTest::newRow("U+FFFF") << QByteArray("\xEF\xBF\xBF") << units({0xFFFF}) << qint64(-1) << QByteArray();
    QTest::newRow("four-byte to pair")
        << QByteArray("a\xF0\x9F\x98\x80") << units({0x61, 0xD83D, 0xDE00}) << qint64(-1) << QByteArray();
    QTest::newRow("U+10FFFF") << QByteArray("\xF4\x8F\xBF\xBF") << units({0xDBFF, 0xDFFF}) << qint64(-1)
                              << QByteArray();
    QTest::newRow("smallest of each length")
        << QByteArray("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80") << units({0x80, 0x800, 0xD800, 0xDC00})
        << qint64(-1) << QByteArray();

    QTest::newRow("stray continuation")
        << QByteArray("ab\x80") << none << qint64(2) << QByteArray("continuation byte");
    QTest::newRow("C0 overlong") << QByteArray("a\xC0\x80") << none << qint64(1) << QByteArray("overlong");
    QTest::newRow("C1 overlong") << QByteArray("\xC1\xBF") << none << qint64(0) << QByteArray("overlong");
    QTest::newRow("E0 overlong") << QByteArray("xyz\xE0\x9F\xBF") << none << qint64(3)
                                 << QByteArray("overlong");
    QTest::newRow("F0 overlong") << QByteArray("\xF0\x8F\xBF\xBF") << none << qint64(0)
                                 << QByteArray("overlong");
    QTest::newRow("encoded high surrogate")
        << QByteArray("xy\xED\xA0\x80") << none << qint64(2) << QByteArray("surrogate");
    QTest::newRow("encoded low surrogate")
        << QByteArray("\xED\xBF\xBF") << none << qint64(0) << QByteArray("surrogate");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << none << qint64(0)
                                    << QByteArray("above U+10FFFF");
    QTest::newRow("F5 lead") << QByteArray("a\xF5\x80\x80\x80") << none << qint64(1)
                             << QByteArray("above U+10FFFF");
    QTest::newRow("FF byte") << QByteArray("\xD8\xA9\xFF") << none << qint64(2) << QByteArray("never occurs");
    QTest::newRow("cut short inside") << QByteArray("\xE2\x82"
                                                    "A")
                                      << none << qint64(0) << QByteArray("cut short");
    QTest::newRow("lead then lead") << QByteArray("\xD8\xD8\xA9") << none << qint64(0)
                                    << QByteArray("cut short");
    QTest::newRow("cut at end, three-byte")
        << QByteArray("ab\xE2\x82") << none << qint64(2) << QByteArray("end of the input");
    QTest::newRow("cut at end, four-byte")
        << QByteArray("\xF0\x9F\x98") << none << qint64(0) << QByteArray("end of the input");
    QTest::newRow("cut at end, lead alone")
        << QByteArray("abcdefghij\xD8") << none << qint64(10) << QByteArray("end of the input");
    QTest::newRow("offset after a long run")
        << QByteArray("0123456789abcdef\xD8\xA9\xD8\xA9\xC0") << none << qint64(20) << QByteArray("overlong");
}

void TestCliCodecs::utf8Decoder()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QFETCH(qint64, errorOffset);
    QFETCH(QByteArray, reason);

    Utf8Decoder decoder;
    const Outcome whole = feed(decoder, input, {}, decodeStep<Utf8Decoder>);
    QCOMPARE(whole.errorOffset, errorOffset);
    if (errorOffset < 0) {
        QCOMPARE(whole.output, unitBytes(expected));
    } else {
        QVERIFY2(whole.reason.contains(reason), whole.reason.constData());
        QCOMPARE(whole.output, unitBytes(QString::fromUtf8(input.left(errorOffset))));
    }
    checkAllCuts([] { return Utf8Decoder(); }, input, decodeStep<Utf8Decoder>);
}

void TestCliCodecs::utf8Encoder_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<qint64>("errorIndex");

    QTest::newRow("ascii") << QStringLiteral("abc") << QByteArray("abc") << qint64(-1);
    QTest::newRow("arabic and ZWNJ") << units({0x06D5, 0x200C, 0x20}) << QByteArray("\xDB\x95\xE2\x80\x8C ")
                                     << qint64(-1);
    QTest::newRow("byte-order mark") << units({0xFEFF}) << QByteArray("\xEF\xBB\xBF") << qint64(-1);
    QTest::newRow("pair") << units({0x61, 0xD83D, 0xDE00, 0x62})
                          << QByteArray("a\xF0\x9F\x98\x80"
                                        "b")
                          << qint64(-1);
    QTest::newRow("highest pair") << units({0xDBFF, 0xDFFF}) << QByteArray("\xF4\x8F\xBF\xBF") << qint64(-1);
    QTest::newRow("lone high before a letter") << units({0x61, 0xD83D, 0x62}) << QByteArray() << qint64(1);
    QTest::newRow("lone high at the end") << units({0x61, 0x62, 0xD83D}) << QByteArray() << qint64(2);
    QTest::newRow("lone low") << units({0x61, 0xDE00}) << QByteArray() << qint64(1);
    QTest::newRow("two highs") << units({0xD83D, 0xD83D, 0xDE00}) << QByteArray() << qint64(0);
    QTest::newRow("pair reversed") << units({0xDE00, 0xD83D}) << QByteArray() << qint64(0);
}

void TestCliCodecs::utf8Encoder()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, expected);
    QFETCH(qint64, errorIndex);

    Utf8Encoder encoder;
    const Outcome whole = feed(encoder, unitBytes(input), {}, encodeStep);
    QCOMPARE(whole.errorOffset, errorIndex);
    if (errorIndex < 0)
        QCOMPARE(whole.output, expected);
    checkAllCuts([] { return Utf8Encoder(); }, unitBytes(input), encodeStep, 2);
}

void TestCliCodecs::utf16LeReader_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("refuseLone");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qint64>("errorOffset");

    const QString none;
    QTest::newRow("letters") << QByteArray("\x29\x06\x20\x00", 4) << false << units({0x0629, 0x20})
                             << qint64(-1);
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xFF\xFE\x61\x00", 4) << false << units({0xFEFF, 0x61}) << qint64(-1);
    QTest::newRow("odd length") << QByteArray("\x61\x00\x62\x00\x63", 5) << false << none << qint64(4);
    QTest::newRow("single byte") << QByteArray("\x61", 1) << true << none << qint64(0);
    QTest::newRow("lone high passes")
        << QByteArray("\x3D\xD8\x61\x00", 4) << false << units({0xD83D, 0x61}) << qint64(-1);
    QTest::newRow("lone low at end passes")
        << QByteArray("\x61\x00\x00\xDE", 4) << false << units({0x61, 0xDE00}) << qint64(-1);
    QTest::newRow("pair accepted when refusing")
        << QByteArray("\x61\x00\x3D\xD8\x00\xDE", 6) << true << units({0x61, 0xD83D, 0xDE00}) << qint64(-1);
    QTest::newRow("lone high refused")
        << QByteArray("\x61\x00\x3D\xD8\x61\x00", 6) << true << none << qint64(2);
    QTest::newRow("lone high at end refused")
        << QByteArray("\x61\x00\x62\x00\x3D\xD8", 6) << true << none << qint64(4);
    QTest::newRow("lone low refused")
        << QByteArray("\x61\x00\x00\xDE\x61\x00", 6) << true << none << qint64(2);
    QTest::newRow("odd byte after a high") << QByteArray("\x3D\xD8\x00", 3) << true << none << qint64(2);
}

void TestCliCodecs::utf16LeReader()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, refuseLone);
    QFETCH(QString, expected);
    QFETCH(qint64, errorOffset);

    Utf16LeCodec reader(refuseLone);
    const Outcome whole = feed(reader, input, {}, decodeStep<Utf16LeCodec>);
    QCOMPARE(whole.errorOffset, errorOffset);
    if (errorOffset < 0)
        QCOMPARE(whole.output, unitBytes(expected));
    checkAllCuts([refuseLone] { return Utf16LeCodec(refuseLone); }, input, decodeStep<Utf16LeCodec>);
}

// Offsets are positions in the whole input, not in the chunk that held the fault.
void TestCliCodecs::decoderOffsetCountsEarlierChunks()
{
    Utf8Decoder decoder;
    std::vector<char16_t> units(Utf8Decoder::maxUnits(4096));
    const QByteArray sound(4096, 'a');
    QCOMPARE(decoder.decode(sound.constData(), std::size_t(sound.size()), units.data()),
             std::ptrdiff_t(4096));
    QCOMPARE(decoder.decode("\xD8\xA9\xD8", 3, units.data()), std::ptrdiff_t(1));
    QCOMPARE(decoder.decode("\x41", 1, units.data()), std::ptrdiff_t(-1));
    QCOMPARE(decoder.error().offset, std::uint64_t(4098));
}

// Text in a single-byte code page rarely holds a sound multi-byte sequence before its
// first fault; UTF-8 text almost always does.
void TestCliCodecs::multiByteSeenBeforeAFault_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("cut"); // where the input is cut in two; 0: not cut
    QTest::addColumn<bool>("seen");

    QTest::newRow("ascii, then a code-page letter") << QByteArray("abc \xC7\xE1") << 0 << false;
    QTest::newRow("a code-page letter first") << QByteArray("\xC7 abc") << 0 << false;
    QTest::newRow("a letter, then a code-page letter") << QByteArray("\xD8\xA9 \xC7\xE1") << 0 << true;
    QTest::newRow("a letter across the cut") << QByteArray("ab\xD8\xA9 \xC7") << 3 << true;
    QTest::newRow("a letter in a long ascii run") << QByteArray("0123456789\xD8\xA9"
                                                                "0123456789\xFF")
                                                  << 0 << true;
    QTest::newRow("only a cut lead before the fault") << QByteArray("ab\xD8") << 3 << false;
}

void TestCliCodecs::multiByteSeenBeforeAFault()
{
    QFETCH(QByteArray, input);
    QFETCH(int, cut);
    QFETCH(bool, seen);

    Utf8Decoder decoder;
    const Outcome outcome =
        feed(decoder, input, cut > 0 ? std::vector<qsizetype>{cut} : std::vector<qsizetype>{},
             decodeStep<Utf8Decoder>);
    QVERIFY(outcome.errorOffset >= 0);
    QCOMPARE(decoder.sawMultiByte(), seen);
}

void TestCliCodecs::codePageReader_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected"); // up to the fault, if any
    QTest::addColumn<qint64>("errorOffset");

    QTest::newRow("cp1256 letters") << QByteArray("CP1256") << QByteArray("\xC7\xE1\xC9 \xED\xEC\x98\x8D")
                                    << units({0x0627, 0x0644, 0x0629, 0x20, 0x064A, 0x0649, 0x06A9, 0x0686})
                                    << qint64(-1);
    QTest::newRow("cp1256 marks and digits")
        << QByteArray("CP1256") << QByteArray("\xF3\xF5\xF6 7\r\n")
        << units({0x064E, 0x064F, 0x0650, 0x20, 0x37, 0x0D, 0x0A}) << qint64(-1);
    QTest::newRow("undefined byte") << QByteArray("ISO-8859-6") << QByteArray("\xC7\xE1\xA1\xC7")
                                    << units({0x0627, 0x0641}) << qint64(2);
    QTest::newRow("several bytes a character") << QByteArray("UTF-8") << QByteArray("a\xD8\xA9\xE2\x80\x8C")
                                               << units({0x61, 0x0629, 0x200C}) << qint64(-1);
    QTest::newRow("cut by the end") << QByteArray("UTF-8") << QByteArray("a\xD8\xA9\xE2\x80")
                                    << units({0x61, 0x0629}) << qint64(3);
}

void TestCliCodecs::codePageReader()
{
    QFETCH(QByteArray, charset);
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QFETCH(qint64, errorOffset);

    OpenedIconv reader(charset);
    const Outcome whole = feed(reader, input, {}, decodeStep<OpenedIconv>);
    QCOMPARE(whole.errorOffset, errorOffset);
    QCOMPARE(whole.output, unitBytes(expected));
    checkAllCuts([charset] { return OpenedIconv(charset); }, input, decodeStep<OpenedIconv>);
}

QTEST_APPLESS_MAIN(TestCliCodecs)
#include "test_codecs.moc"
