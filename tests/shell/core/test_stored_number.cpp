#include "shell/core/StoredNumber.h"

#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

constexpr std::optional<int> Fails = std::nullopt;

} // namespace

class TestStoredNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericReading_data();
    void numericReading();
    void integerConversion_data();
    void integerConversion();
};

void TestStoredNumber::numericReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("missing key") << QString() << std::optional<int>(0);
    QTest::newRow("plain") << QStringLiteral("12") << std::optional<int>(12);
    QTest::newRow("leading spaces") << QStringLiteral("   7") << std::optional<int>(7);
    QTest::newRow("number then letters") << QStringLiteral("3abc") << std::optional<int>(3);
    QTest::newRow("no number") << QStringLiteral("abc") << std::optional<int>(0);
    QTest::newRow("sign alone") << QStringLiteral("-") << std::optional<int>(0);
    QTest::newRow("minus one") << QStringLiteral("-1") << std::optional<int>(-1);
    QTest::newRow("half to even below") << QStringLiteral("2.5") << std::optional<int>(2);
    QTest::newRow("half to even above") << QStringLiteral("3.5") << std::optional<int>(4);
    QTest::newRow("negative half") << QStringLiteral("-0.5") << std::optional<int>(0);
    QTest::newRow("fraction without integer part") << QStringLiteral(".6") << std::optional<int>(1);
    QTest::newRow("point after digits") << QStringLiteral("5.x") << std::optional<int>(5);
    QTest::newRow("exponent") << QStringLiteral("1e2") << std::optional<int>(100);
    QTest::newRow("letter e without exponent") << QStringLiteral("2eggs") << std::optional<int>(2);
    QTest::newRow("space inside stops") << QStringLiteral("1 2") << std::optional<int>(1);
    QTest::newRow("nine for a check box") << QStringLiteral("9") << std::optional<int>(9);
    QTest::newRow("largest 16-bit") << QStringLiteral("32767") << std::optional<int>(32767);
    QTest::newRow("smallest 16-bit") << QStringLiteral("-32768") << std::optional<int>(-32768);
    QTest::newRow("rounds into range") << QStringLiteral("32767.4") << std::optional<int>(32767);
    QTest::newRow("rounds out of range") << QStringLiteral("32767.5") << Fails;
    QTest::newRow("above 16-bit") << QStringLiteral("40000") << Fails;
    QTest::newRow("below 16-bit") << QStringLiteral("-32769") << Fails;
    QTest::newRow("huge exponent") << QStringLiteral("1e999") << Fails;
}

void TestStoredNumber::numericReading()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(StoredNumber::numericReading(text), expected);
}

void TestStoredNumber::integerConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("index") << QStringLiteral("5") << std::optional<int>(5);
    QTest::newRow("no selection") << QStringLiteral("-1") << std::optional<int>(-1);
    QTest::newRow("spaces around") << QStringLiteral(" 4 ") << std::optional<int>(4);
    QTest::newRow("half to even") << QStringLiteral("0.5") << std::optional<int>(0);
    QTest::newRow("empty fails") << QString() << Fails;
    QTest::newRow("word fails") << QStringLiteral("abc") << Fails;
    QTest::newRow("number then letters fails") << QStringLiteral("3abc") << Fails;
    QTest::newRow("out of 16-bit range fails") << QStringLiteral("70000") << Fails;
}

void TestStoredNumber::integerConversion()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(StoredNumber::integerConversion(text), expected);
}

QTEST_APPLESS_MAIN(TestStoredNumber)
#include "test_stored_number.moc"
