#include "convert/core/Progress.h"

#include <QTest>

using namespace pirtok;

class TestProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caption_data();
    void caption();
    void barWidth_data();
    void barWidth();
};

void TestProgress::caption_data()
{
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start of a long text") << qsizetype(1) << qsizetype(1000) << QStringLiteral("%0");
    QTest::newRow("half rounds down to even 0") << qsizetype(1) << qsizetype(200) << QStringLiteral("%0");
    QTest::newRow("12.5 gives 12") << qsizetype(1) << qsizetype(8) << QStringLiteral("%12");
    QTest::newRow("37.5 gives 38") << qsizetype(3) << qsizetype(8) << QStringLiteral("%38");
    QTest::newRow("62.5 gives 62") << qsizetype(5) << qsizetype(8) << QStringLiteral("%62");
    QTest::newRow("13.5 gives 14") << qsizetype(27) << qsizetype(200) << QStringLiteral("%14");
    QTest::newRow("1.25") << qsizetype(1) << qsizetype(80) << QStringLiteral("%1");
    QTest::newRow("exactly all") << qsizetype(10) << qsizetype(10) << QStringLiteral("%100");
    QTest::newRow("80 characters at the end") << qsizetype(81) << qsizetype(80) << QStringLiteral("%101");
    QTest::newRow("one character at the end") << qsizetype(2) << qsizetype(1) << QStringLiteral("%200");
    QTest::newRow("long text") << qsizetype(5000001) << qsizetype(10000000) << QStringLiteral("%50");
    QTest::newRow("empty source") << qsizetype(1) << qsizetype(0) << QStringLiteral("%0");
}

void TestProgress::caption()
{
    QFETCH(qsizetype, position);
    QFETCH(qsizetype, length);
    QFETCH(QString, expected);
    QCOMPARE(progressCaption(position, length), expected);
}

void TestProgress::barWidth_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("twips");
    QTest::newRow("%0") << QStringLiteral("%0") << 0;
    QTest::newRow("%2 rounds to 0") << QStringLiteral("%2") << 0;
    QTest::newRow("%3 rounds to one step") << QStringLiteral("%3") << 60;
    QTest::newRow("%37") << QStringLiteral("%37") << 420;
    QTest::newRow("%50: 9.5 to even") << QStringLiteral("%50") << 600;
    QTest::newRow("%150: 28.5 to even") << QStringLiteral("%150") << 1680;
    QTest::newRow("%100") << QStringLiteral("%100") << 1140;
    QTest::newRow("%101") << QStringLiteral("%101") << 1140;
    QTest::newRow("%103 a step longer") << QStringLiteral("%103") << 1200;
    QTest::newRow("first character dropped, whatever it is") << QStringLiteral("x37") << 420;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("percent sign alone") << QStringLiteral("%") << 0;
    QTest::newRow("not a number") << QStringLiteral("%abc") << 0;
    QTest::newRow("negative") << QStringLiteral("%-50") << 0;
    QTest::newRow("nan") << QStringLiteral("%nan") << 0;
    QTest::newRow("infinite") << QStringLiteral("%inf") << 0;
    QTest::newRow("too large") << QStringLiteral("%1e300") << 0;
}

void TestProgress::barWidth()
{
    QFETCH(QString, caption);
    QFETCH(int, twips);
    QCOMPARE(progressBarTwips(caption), twips);
}

QTEST_APPLESS_MAIN(TestProgress)
#include "test_progress.moc"
