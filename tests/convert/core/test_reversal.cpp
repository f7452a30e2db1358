#include "convert/core/Reversal.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

using namespace pirtok;
using testtexts::codes;
using testtexts::units;

class TestReversal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reversed_data();
    void reversed();
};

void TestReversal::reversed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one unit") << units({0x06D5}) << units({0x06D5});
    QTest::newRow("mark comes before its letter")
        << units({0x0628, 0x064E, 0x0631}) << units({0x0631, 0x064E, 0x0628});
    QTest::newRow("surrogate pair swapped") << units({u'a', 0xD83D, 0xDE00}) << units({0xDE00, 0xD83D, u'a'});
    QTest::newRow("lines") << QStringLiteral("ab\ncd") << QStringLiteral("dc\nba");
}

void TestReversal::reversed()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString once = reversedText(text);
    QCOMPARE(codes(once), codes(expected));
    QCOMPARE(codes(reversedText(once)), codes(text));
}

QTEST_APPLESS_MAIN(TestReversal)
#include "test_reversal.moc"
