#include "shell/core/SavedTextCodec.h"
#include "tests/support/CodeUnits.h"

#include <QTest>

using codeunits::codes;
using codeunits::units;

class TestSavedTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void oddLength_data();
    void oddLength();
};

void TestSavedTextCodec::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty text, empty file") << QString() << QByteArray();
    QTest::newRow("three characters, six bytes")
        << units({0x06D5, 0x0020, 0x06B5}) << QByteArray::fromHex("d5062000b506");
    QTest::newRow("spaces and line breaks kept")
        << QStringLiteral(" a\r\n\n b ") << QByteArray::fromHex("200061000d000a000a00200062002000");
    QTest::newRow("above U+FFFF as two units") << units({0xD83D, 0xDE00}) << QByteArray::fromHex("3dd800de");
    QTest::newRow("no-break space and zero-width non-joiner")
        << units({0x00A0, 0x200C}) << QByteArray::fromHex("a0000c20");
}

void TestSavedTextCodec::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(SavedTextCodec::encode(text).toHex(), bytes.toHex());
    QCOMPARE(codes(SavedTextCodec::decode(bytes)), codes(text));
}

void TestSavedTextCodec::oddLength_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("one byte") << QByteArray::fromHex("41") << units({0x0041});
    QTest::newRow("five bytes give three units")
        << QByteArray::fromHex("d506b506ff") << units({0x06D5, 0x06B5, 0x00FF});
}

void TestSavedTextCodec::oddLength()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(codes(SavedTextCodec::decode(bytes)), codes(text));
}

QTEST_APPLESS_MAIN(TestSavedTextCodec)
#include "test_saved_text_codec.moc"
