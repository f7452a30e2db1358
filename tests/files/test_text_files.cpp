#include "files/core/FileMessages.h"
#include "files/core/TextFileReader.h"
#include "files/core/TextFileWriter.h"
#include "tests/support/CodeUnits.h"

#include <QBuffer>
#include <QTest>

using namespace pirtok::files;
using codeunits::codes;
using codeunits::units;

Q_DECLARE_METATYPE(pirtok::files::FileEncoding)
Q_DECLARE_METATYPE(pirtok::files::SaveEncoding)
Q_DECLARE_METATYPE(pirtok::files::LineBreaks)
Q_DECLARE_METATYPE(pirtok::files::ReadFault::Kind)

namespace {

constexpr qsizetype Chunk = qsizetype(1) << 20; // the reader's and writer's chunk

// The progress the last read() ended with.
int lastPercent = -1;

ReadResult read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    WorkProgress progress;
    ReadResult result = readTextFile(buffer, progress);
    lastPercent = progress.percent();
    return result;
}

std::pair<QByteArray, std::optional<WriteFault>> write(const QString &text, SaveEncoding encoding,
                                                       LineBreaks breaks = LineBreaks::Lf)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WorkProgress progress;
    auto fault = writeTextFile(buffer, text, encoding, breaks, progress);
    return {buffer.data(), fault};
}

// "ڕۆژ" in each encoding that can hold it, and the Kurdish-font "كورد" in cp1256.
const QString Rozh = units({0x0695, 0x06C6, 0x0698});
const QString Kurd = units({0x0643, 0x0648, 0x0631, 0x062F});

} // namespace

class TestTextFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<FileEncoding>("encoding");
        QTest::addColumn<QString>("text");

        QTest::newRow("UTF-8") << QByteArray("\xDA\x95\xDB\x86\xDA\x98") << FileEncoding::Utf8 << Rozh;
        QTest::newRow("UTF-8 with mark")
            << QByteArray("\xEF\xBB\xBF\xDA\x95\xDB\x86\xDA\x98") << FileEncoding::Utf8Marked << Rozh;
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE\x95\x06\xC6\x06\x98\x06", 8)
                                  << FileEncoding::Utf16Le << Rozh;
        QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\x06\x95\x06\xC6\x06\x98", 8)
                                  << FileEncoding::Utf16Be << Rozh;
        QTest::newRow("cp1256") << QByteArray("\xDF\xE6\xD1\xCF") << FileEncoding::Cp1256 << Kurd;
        // ASCII is UTF-8 as well as cp1256: UTF-8 wins.
        QTest::newRow("ASCII") << QByteArray("abc") << FileEncoding::Utf8 << QStringLiteral("abc");
        QTest::newRow("empty") << QByteArray() << FileEncoding::Utf8 << QString();
        QTest::newRow("mark alone") << QByteArray("\xFF\xFE") << FileEncoding::Utf16Le << QString();
        // UTF-8 up to a byte that is not: the whole file is cp1256, from its start.
        QTest::newRow("UTF-8 then not")
            << QByteArray("\xD8\xA9\xDF") << FileEncoding::Cp1256 << units({0x0637, 0x00A9, 0x0643});
    }
    void readsEachEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(FileEncoding, encoding);
        QFETCH(QString, text);
        const ReadResult result = read(bytes);
        QVERIFY(!result.fault);
        QCOMPARE(result.encoding, encoding);
        QCOMPARE(codes(result.text), codes(text));
        QCOMPARE(lastPercent, bytes.isEmpty() ? 0 : 100);
    }

    void refusesWithTheByteOffset_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReadFault::Kind>("kind");
        QTest::addColumn<qint64>("offset");

        // Offsets count the file's bytes, the mark included.
        QTest::newRow("UTF-8 mark, bad byte") << QByteArray("\xEF\xBB\xBF"
                                                            "ab\xFF")
                                              << ReadFault::Kind::Invalid << qint64(5);
        QTest::newRow("UTF-8 mark, cut at the end") << QByteArray("\xEF\xBB\xBF"
                                                                  "a\xD8")
                                                    << ReadFault::Kind::Invalid << qint64(4);
        QTest::newRow("UTF-16LE odd length")
            << QByteArray("\xFF\xFE\x61\x00\x62", 5) << ReadFault::Kind::Invalid << qint64(4);
        QTest::newRow("UTF-16BE odd length")
            << QByteArray("\xFE\xFF\x00", 3) << ReadFault::Kind::Invalid << qint64(2);
        QTest::newRow("NUL in UTF-8") << QByteArray("ab\0c", 4) << ReadFault::Kind::NotText << qint64(2);
        QTest::newRow("NUL in cp1256")
            << QByteArray("\xC7\xE1\0", 3) << ReadFault::Kind::NotText << qint64(2);
        QTest::newRow("UTF-16 without a mark")
            << QByteArray("a\0b\0", 4) << ReadFault::Kind::NotText << qint64(1);
    }
    void refusesWithTheByteOffset()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ReadFault::Kind, kind);
        QFETCH(qint64, offset);
        const ReadResult result = read(bytes);
        QVERIFY(result.fault);
        QCOMPARE(result.fault->kind, kind);
        QCOMPARE(result.fault->offset, offset);
        QVERIFY(result.text.isEmpty());
    }

    // Sequences and faults across the reader's chunk border.
    void chunkBorders_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<FileEncoding>("encoding");
        QTest::addColumn<qint64>("faultOffset"); // -1: read whole

        QByteArray cut(Chunk - 1, 'a');
        cut += "\xDA\x95"
               "b"; // ڕ across the border
        QTest::newRow("UTF-8 letter cut") << cut << FileEncoding::Utf8 << qint64(-1);
        QByteArray late(Chunk + 10, 'a');
        late += "\xC7"; // not UTF-8, long after the start
        QTest::newRow("cp1256 found late") << late << FileEncoding::Cp1256 << qint64(-1);
        QByteArray marked("\xEF\xBB\xBF");
        marked += QByteArray(Chunk + 5, 'a') + "\xFF";
        QTest::newRow("fault in the second chunk") << marked << FileEncoding::Utf8Marked << qint64(Chunk + 8);
        QByteArray big("\xFE\xFF");
        for (qsizetype i = 0; i < Chunk / 2 + 3; ++i)
            big += QByteArray("\x06\xB5", 2);
        QTest::newRow("UTF-16BE odd border") << big << FileEncoding::Utf16Be << qint64(-1);
    }
    void chunkBorders()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(FileEncoding, encoding);
        QFETCH(qint64, faultOffset);
        const ReadResult result = read(bytes);
        if (faultOffset >= 0) {
            QVERIFY(result.fault);
            QCOMPARE(result.fault->offset, faultOffset);
            return;
        }
        QVERIFY(!result.fault);
        QCOMPARE(result.encoding, encoding);
        if (encoding == FileEncoding::Utf8)
            QCOMPARE(result.text.right(2), units({0x0695, 0x62}));
        if (encoding == FileEncoding::Cp1256)
            QCOMPARE(result.text.size(), bytes.size());
        if (encoding == FileEncoding::Utf16Be) {
            QCOMPARE(result.text.size(), (bytes.size() - 2) / 2);
            QCOMPARE(result.text.count(QChar(0x06B5)), result.text.size());
        }
    }

    void cancelledReadGivesNoText()
    {
        QBuffer buffer;
        buffer.setData(QByteArray(3 * Chunk, 'a'));
        buffer.open(QIODevice::ReadOnly);
        WorkProgress progress;
        progress.cancelled = true;
        const ReadResult result = readTextFile(buffer, progress);
        QVERIFY(result.fault);
        QCOMPARE(result.fault->kind, ReadFault::Kind::Cancelled);
        QVERIFY(result.text.isEmpty());
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineBreaks>("breaks");
        QTest::newRow("LF") << QStringLiteral("a\nb") << LineBreaks::Lf;
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\nc") << LineBreaks::CrLf;
        QTest::newRow("none") << QStringLiteral("ab") << LineBreaks::Lf;
        QTest::newRow("LF first") << QStringLiteral("\na") << LineBreaks::Lf;
    }
    void lineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(LineBreaks, breaks);
        QCOMPARE(lineBreaksOf(text), breaks);
    }

    void writesEachEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SaveEncoding>("encoding");
        QTest::addColumn<LineBreaks>("breaks");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("UTF-8, no mark")
            << Rozh << SaveEncoding::Utf8 << LineBreaks::Lf << QByteArray("\xDA\x95\xDB\x86\xDA\x98");
        QTest::newRow("UTF-16LE with its mark") << Rozh << SaveEncoding::Utf16Le << LineBreaks::Lf
                                                << QByteArray("\xFF\xFE\x95\x06\xC6\x06\x98\x06", 8);
        QTest::newRow("cp1256") << Kurd << SaveEncoding::Cp1256 << LineBreaks::Lf
                                << QByteArray("\xDF\xE6\xD1\xCF");
        QTest::newRow("CR LF kept") << QStringLiteral("a\nb\n") << SaveEncoding::Utf8 << LineBreaks::CrLf
                                    << QByteArray("a\r\nb\r\n");
        QTest::newRow("CR LF in UTF-16LE")
            << QStringLiteral("a\n") << SaveEncoding::Utf16Le << LineBreaks::CrLf
            << QByteArray("\xFF\xFE\x61\x00\x0D\x00\x0A\x00", 8);
        QTest::newRow("empty UTF-8") << QString() << SaveEncoding::Utf8 << LineBreaks::Lf << QByteArray();
        QTest::newRow("pair in UTF-8") << units({0xD83D, 0xDE00}) << SaveEncoding::Utf8 << LineBreaks::Lf
                                       << QByteArray("\xF0\x9F\x98\x80");
    }
    void writesEachEncoding()
    {
        QFETCH(QString, text);
        QFETCH(SaveEncoding, encoding);
        QFETCH(LineBreaks, breaks);
        QFETCH(QByteArray, bytes);
        const auto [written, fault] = write(text, encoding, breaks);
        QVERIFY(!fault);
        QCOMPARE(written.toHex(' '), bytes.toHex(' '));
    }

    void refusesWhatTheEncodingCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SaveEncoding>("encoding");
        QTest::addColumn<LineBreaks>("breaks");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<uint>("character");

        QTest::newRow("LL in cp1256")
            << (Kurd + units({0x06B5})) << SaveEncoding::Cp1256 << LineBreaks::Lf << qint64(4) << 0x06B5u;
        // Positions are the text's, not the file's with its added CRs.
        QTest::newRow("after CR LF") << (QStringLiteral("a\nb\n") + units({0x06D5})) << SaveEncoding::Cp1256
                                     << LineBreaks::CrLf << qint64(4) << 0x06D5u;
        QTest::newRow("lone surrogate in UTF-8")
            << units({0x61, 0xDC00, 0x62}) << SaveEncoding::Utf8 << LineBreaks::Lf << qint64(1) << 0xDC00u;
        QTest::newRow("high at the end in UTF-8")
            << units({0x61, 0xD83D}) << SaveEncoding::Utf8 << LineBreaks::Lf << qint64(1) << 0xD83Du;
        QString far(Chunk + 3, QLatin1Char('a'));
        far += units({0x06B5});
        QTest::newRow("in the second chunk")
            << far << SaveEncoding::Cp1256 << LineBreaks::Lf << qint64(Chunk + 3) << 0x06B5u;
    }
    void refusesWhatTheEncodingCannotHold()
    {
        QFETCH(QString, text);
        QFETCH(SaveEncoding, encoding);
        QFETCH(LineBreaks, breaks);
        QFETCH(qint64, position);
        QFETCH(uint, character);
        const auto [written, fault] = write(text, encoding, breaks);
        QVERIFY(fault);
        QCOMPARE(fault->kind, WriteFault::Kind::Unencodable);
        QCOMPARE(fault->position, position);
        QCOMPARE(uint(fault->character), character);
    }

    // A pair across the writer's chunk border is one character, written whole.
    void pairAcrossTheChunkBorder()
    {
        QString text(Chunk - 1, QLatin1Char('a'));
        text += units({0xD83D, 0xDE00});
        const auto [written, fault] = write(text, SaveEncoding::Utf8);
        QVERIFY(!fault);
        QCOMPARE(written.right(4), QByteArray("\xF0\x9F\x98\x80"));
    }

    void writtenFilesReadBack_data()
    {
        QTest::addColumn<SaveEncoding>("encoding");
        QTest::addColumn<FileEncoding>("found");
        QTest::newRow("UTF-8") << SaveEncoding::Utf8 << FileEncoding::Utf8;
        QTest::newRow("UTF-16LE") << SaveEncoding::Utf16Le << FileEncoding::Utf16Le;
        QTest::newRow("cp1256") << SaveEncoding::Cp1256 << FileEncoding::Cp1256;
    }
    void writtenFilesReadBack()
    {
        QFETCH(SaveEncoding, encoding);
        QFETCH(FileEncoding, found);
        const QString text = Kurd + QStringLiteral("\n") + Kurd;
        const auto [written, fault] = write(text, encoding, LineBreaks::CrLf);
        QVERIFY(!fault);
        const ReadResult back = read(written);
        QVERIFY(!back.fault);
        QCOMPARE(back.encoding, found);
        QCOMPARE(back.lineBreaks, LineBreaks::CrLf);
        QCOMPARE(back.text, Kurd + QStringLiteral("\r\n") + Kurd);
    }

    // The messages by code point, filled in.
    void messages()
    {
        const ReadFault bad{ReadFault::Kind::Invalid, 1234, {}};
        QCOMPARE(
            codes(openFaultMessage(QStringLiteral("a.txt"), bad)),
            codes(units({0x0641, 0x0627, 0x06CC, 0x0644, 0x06CC, 0x0020, 0x00AB}) + QStringLiteral("a.txt") +
                  units({0x00BB, 0x0020, 0x0646, 0x0627, 0x06A9, 0x0631, 0x06CE, 0x062A, 0x06D5, 0x0648,
                         0x06D5, 0x003A, 0x0020, 0x0628, 0x0627, 0x06CC, 0x062A, 0x06CC, 0x0020}) +
                  QStringLiteral("1234") +
                  units({0x0020, 0x0646, 0x0627, 0x062F, 0x0631, 0x0648, 0x0633, 0x062A, 0x06D5, 0x002E})));
        const WriteFault refused{WriteFault::Kind::Unencodable, 0, 0x06B5, {}};
        QCOMPARE(codes(saveFaultMessage(QStringLiteral("a.txt"), SaveEncoding::Cp1256, refused)),
                 codes(units({0x067E, 0x0627, 0x0634, 0x06D5, 0x06A9, 0x06D5, 0x0648, 0x062A,
                              0x0020, 0x0646, 0x06D5, 0x06A9, 0x0631, 0x0627, 0x003A, 0x0020,
                              0x067E, 0x06CC, 0x062A, 0x06CC, 0x0020, 0x00AB, 0x06B5, 0x00BB}) +
                       QStringLiteral(" (U+06B5) ") + units({0x0644, 0x06D5}) + QStringLiteral(" cp1256 ") +
                       units({0x062F, 0x0627, 0x0020, 0x0646, 0x06CC, 0x06CC, 0x06D5, 0x002E})));
        const ReadFault denied{ReadFault::Kind::Unreadable, 0, QStringLiteral("Permission denied")};
        QVERIFY(openFaultMessage(QStringLiteral("b.txt"), denied)
                    .endsWith(QStringLiteral(": Permission denied")));
        QCOMPARE(codes(filesJoinedMessage(3)),
                 codes(QStringLiteral("3 ") +
                       units({0x0641, 0x0627, 0x06CC, 0x0644, 0x0020, 0x067E, 0x06CE, 0x06A9, 0x06D5, 0x0648,
                              0x06D5, 0x0020, 0x06A9, 0x0631, 0x0627, 0x0646, 0x06D5, 0x0648, 0x06D5, 0x002E,
                              0x0020, 0x0628, 0x06C6, 0x0020, 0x067E, 0x0627, 0x0634, 0x06D5, 0x06A9, 0x06D5,
                              0x0648, 0x062A, 0x06A9, 0x0631, 0x062F, 0x0646, 0x0020, 0x0646, 0x0627, 0x0648,
                              0x06CE, 0x06A9, 0x06CC, 0x0020, 0x0646, 0x0648, 0x06CE, 0x0020, 0x0647, 0x06D5,
                              0x06B5, 0x0628, 0x0698, 0x06CE, 0x0631, 0x06D5, 0x002E})));
    }
};

QTEST_APPLESS_MAIN(TestTextFiles)
#include "test_text_files.moc"
