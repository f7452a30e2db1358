#include "codec/ByteOrderMark.h"
#include "codec/IconvDecoder.h"
#include "codec/SingleByteEncoder.h"
#include "codec/Utf16BeDecoder.h"
#include "tests/support/CodeUnits.h"

#include <QTest>

#include <string>
#include <vector>

using namespace pirtok::codec;
using codeunits::units;

Q_DECLARE_METATYPE(pirtok::codec::ByteOrderMark)

namespace {

// Feeds `input` to a UTF-16BE reader cut at every `cut` bytes; the text up to a fault and
// the fault's offset (-1 when it read cleanly).
std::pair<QString, qint64> readBigEndian(const QByteArray &input, qsizetype cut)
{
    Utf16BeDecoder decoder;
    QString text;
    for (qsizetype at = 0; at < input.size(); at += cut) {
        const qsizetype size = std::min(cut, input.size() - at);
        std::vector<char16_t> out(Utf16BeDecoder::maxUnits(std::size_t(size)));
        const std::ptrdiff_t got = decoder.decode(input.constData() + at, std::size_t(size), out.data());
        if (got < 0)
            return {text, qint64(decoder.error().offset)};
        text += QString::fromUtf16(out.data(), got);
    }
    if (!decoder.finish())
        return {text, qint64(decoder.error().offset)};
    return {text, -1};
}

SingleByteEncoder openedCp1256()
{
    SingleByteEncoder encoder("CP1256");
    std::string error;
    if (!encoder.open(error))
        qFatal("%s", error.c_str());
    return encoder;
}

} // namespace

class TestMarksAndCodePages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void byteOrderMark_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<ByteOrderMark>("mark");
        QTest::addColumn<int>("length");

        QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF\x61") << ByteOrderMark::Utf8 << 3;
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE\x61\x00") << ByteOrderMark::Utf16Le << 2;
        QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\x00\x61") << ByteOrderMark::Utf16Be << 2;
        QTest::newRow("UTF-8 mark cut short") << QByteArray("\xEF\xBB") << ByteOrderMark::None << 0;
        QTest::newRow("plain text") << QByteArray("ab") << ByteOrderMark::None << 0;
        QTest::newRow("cp1256 letters") << QByteArray("\xC7\xE1") << ByteOrderMark::None << 0;
        QTest::newRow("empty") << QByteArray() << ByteOrderMark::None << 0;
        QTest::newRow("one byte of a mark") << QByteArray("\xFF") << ByteOrderMark::None << 0;
    }
    void byteOrderMark()
    {
        QFETCH(QByteArray, head);
        QFETCH(ByteOrderMark, mark);
        QFETCH(int, length);
        const MarkFound found = findByteOrderMark(head.constData(), std::size_t(head.size()));
        QCOMPARE(found.mark, mark);
        QCOMPARE(int(found.length), length);
    }

    void utf16BeReader_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expected"); // up to the fault, if any
        QTest::addColumn<qint64>("errorOffset");

        QTest::newRow("Kurdish letters") << QByteArray("\x06\xB5\x06\xC6\x00\x20\x06\x95", 8)
                                         << units({0x06B5, 0x06C6, 0x20, 0x0695}) << qint64(-1);
        QTest::newRow("surrogate pair")
            << QByteArray("\xD8\x3D\xDE\x00", 4) << units({0xD83D, 0xDE00}) << qint64(-1);
        QTest::newRow("odd length") << QByteArray("\x00\x61\x00", 3) << units({0x61}) << qint64(2);
        QTest::newRow("empty") << QByteArray() << QString() << qint64(-1);
    }
    void utf16BeReader()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, expected);
        QFETCH(qint64, errorOffset);
        // Every cut gives what the whole input gives, an odd byte carried across it.
        for (qsizetype cut = 1; cut <= std::max<qsizetype>(1, input.size()); ++cut) {
            const auto [text, offset] = readBigEndian(input, cut);
            QCOMPARE(codeunits::codes(text), codeunits::codes(expected));
            QCOMPARE(offset, errorOffset);
        }
    }

    // The writer's table is the reader's, reversed: every byte goes there and back.
    void cp1256RoundTripsEveryByte()
    {
        IconvDecoder reader("CP1256");
        std::string error;
        QVERIFY2(reader.open(error), error.c_str());
        SingleByteEncoder writer = openedCp1256();
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        std::vector<char16_t> text(IconvDecoder::maxUnits(256));
        const std::ptrdiff_t count = reader.decode(all.constData(), 256, text.data());
        QCOMPARE(count, std::ptrdiff_t(256)); // the code page defines all 256 bytes
        std::vector<char> back(256);
        QCOMPARE(writer.encode(text.data(), 256, back.data()), std::ptrdiff_t(256));
        QCOMPARE(QByteArray(back.data(), 256), all);
    }

    void cp1256Refuses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<uint>("character");

        QTest::newRow("Arabic letters go") << units({0x0627, 0x0644, 0x06A9, 0x06AF}) << qint64(-1) << 0u;
        // Unicode Kurdish letters that the code page lacks.
        QTest::newRow("LL") << units({0x0627, 0x06B5, 0x0627}) << qint64(1) << 0x06B5u;
        QTest::newRow("E") << units({0x06D5}) << qint64(0) << 0x06D5u;
        QTest::newRow("pair named whole") << units({0x61, 0xD83D, 0xDE00}) << qint64(1) << 0x1F600u;
        QTest::newRow("lone high") << units({0xD83D, 0x61}) << qint64(0) << 0xD83Du;
    }
    void cp1256Refuses()
    {
        QFETCH(QString, text);
        QFETCH(qint64, offset);
        QFETCH(uint, character);
        SingleByteEncoder writer = openedCp1256();
        // A sound first chunk moves the offsets on.
        const char16_t first[] = u"ab";
        char bytes[64];
        QCOMPARE(writer.encode(first, 2, bytes), std::ptrdiff_t(2));
        const std::ptrdiff_t got = writer.encode(reinterpret_cast<const char16_t *>(text.constData()),
                                                 std::size_t(text.size()), bytes);
        if (offset < 0) {
            QCOMPARE(got, std::ptrdiff_t(text.size()));
            return;
        }
        QCOMPARE(got, std::ptrdiff_t(-1));
        QCOMPARE(qint64(writer.error().offset), offset + 2);
        QCOMPARE(qint64(writer.error().doneBefore), offset);
        QCOMPARE(uint(writer.refusedCharacter()), character);
    }
};

QTEST_APPLESS_MAIN(TestMarksAndCodePages)
#include "test_marks_and_code_pages.moc"
