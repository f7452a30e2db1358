#include "convert/core/ConversionEngine.h"
#include "convert/core/StreamConverter.h"
#include "tests/convert/core/RunColumns.h"
#include "tests/convert/core/TestTexts.h"

#include <QTest>

using namespace pirtok;
using testtexts::addRunColumns;
using testtexts::codes;
using testtexts::units;

namespace {

QString convertInChunks(StreamConverter &converter, const QString &text, const QList<qsizetype> &cuts)
{
    QString out;
    qsizetype from = 0;
    for (qsizetype cut : cuts) {
        converter.feed(QStringView(text).mid(from, cut - from), out);
        from = cut;
    }
    converter.feed(QStringView(text).mid(from), out);
    converter.flush(out);
    return out;
}

// Texts where a rule's units, or a ي and its separator, straddle every possible cut.
QStringList edgeTexts()
{
    return {
        units({0x0644, 0x0627, 0x064E, 0x0644, 0x0623, 0x0644, 0x064E, 0x0644, 0x0627}),
        units({0x064A, u' ', 0x064A, 0x064E, 0x064A, u'.', 0x064A}),
        units({0x0647, 0x200C, 0x0647, 0x06B5, 0x0627, 0x06B5, 0x06CE, 0x0647}),
        units({0x0648, 0x064E, 0x0631, 0x0650, 0x0649, 0x064E, 0x064A}),
        units({0xD83D, 0xDE00, 0x064A, 0xD83D, 0xDE00, 0x0629}),
        units({0x064A}),
        units({0x0644, 0x0627}),
        QString(),
    };
}

} // namespace

class TestStreamConverter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCut_data();
    void everyCut();
    void randomChunks_data();
    void randomChunks();
    void streamsAsItGoes();
    void reusedAfterFlush();
    void drainedOutput();
};

void TestStreamConverter::everyCut_data()
{
    addRunColumns();
}

void TestStreamConverter::everyCut()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QRandomGenerator random(7);
    QStringList texts = edgeTexts();
    for (int i = 0; i < 20; ++i)
        texts.append(testtexts::randomText(random, 1 + random.bounded(30)));

    for (const LetterPairs &pairs : {LetterPairs(), testtexts::busyPairs()}) {
        StreamConverter converter(direction, pairs, kind);
        for (const QString &text : std::as_const(texts)) {
            const QString expected = codes(convertText(text, direction, pairs, kind));
            // One cut and two cuts at every pair of positions, empty pieces included.
            for (qsizetype a = 0; a <= text.size(); ++a) {
                QCOMPARE(codes(convertInChunks(converter, text, {a})), expected);
                for (qsizetype b = a; b <= text.size(); ++b)
                    QCOMPARE(codes(convertInChunks(converter, text, {a, b})), expected);
            }
            // Unit by unit.
            QList<qsizetype> everyUnit;
            for (qsizetype a = 1; a < text.size(); ++a)
                everyUnit.append(a);
            QCOMPARE(codes(convertInChunks(converter, text, everyUnit)), expected);
        }
    }
}

void TestStreamConverter::randomChunks_data()
{
    addRunColumns();
}

void TestStreamConverter::randomChunks()
{
    QFETCH(Direction, direction);
    QFETCH(RunKind, kind);
    QRandomGenerator random(99);
    const LetterPairs pairs = testtexts::busyPairs();
    StreamConverter converter(direction, pairs, kind);
    for (int round = 0; round < 200; ++round) {
        const QString text = testtexts::randomText(random, random.bounded(2000));
        QList<qsizetype> cuts;
        qsizetype at = 0;
        while (true) {
            at += random.bounded(9); // 0 gives empty chunks
            if (at > text.size())
                break;
            cuts.append(at);
        }
        QCOMPARE(codes(convertInChunks(converter, text, cuts)),
                 codes(convertText(text, direction, pairs, kind)));
    }
}

void TestStreamConverter::streamsAsItGoes()
{
    // Output comes with each chunk: no more than the last two units wait for the next one.
    StreamConverter converter(Direction::KurdishToUnicode, LetterPairs());
    QString out;
    converter.feed(QString(1000, QLatin1Char('a')), out);
    QCOMPARE(out.size(), qsizetype(1000 - (MaxLookahead - 1)));
    converter.feed(QStringLiteral("b"), out);
    QCOMPARE(out.size(), qsizetype(999));
    converter.flush(out);
    QCOMPARE(out, QString(1000, QLatin1Char('a')) + QStringLiteral("b"));
}

void TestStreamConverter::reusedAfterFlush()
{
    StreamConverter converter(Direction::KurdishToUnicode, LetterPairs(), RunKind::Selection);
    QString first;
    converter.feed(units({0x0628, 0x064A}), first);
    converter.flush(first);
    QCOMPARE(codes(first), codes(units({0x0628, 0x0649})));
    // A held-back ي of the old text must not reach the new one.
    QString second;
    converter.feed(units({0x064A, 0x064E}), second);
    converter.feed(units({0x0628}), second);
    converter.flush(second);
    QCOMPARE(codes(second), codes(units({0x06CE, 0x0628})));
    QString third;
    converter.flush(third);
    QVERIFY(third.isEmpty());
}

void TestStreamConverter::drainedOutput()
{
    // A caller that takes the output away from the front leaves room before the data;
    // appending after it must neither lose nor repeat anything.
    QRandomGenerator random(5);
    const QString text = testtexts::randomText(random, 50000);
    StreamConverter converter(Direction::UnicodeToKurdish, testtexts::busyPairs());
    QString out;
    QString drained;
    for (qsizetype at = 0; at < text.size(); at += 777) {
        converter.feed(QStringView(text).mid(at, 777), out);
        const qsizetype take = out.size() / 2;
        drained += out.left(take);
        out.remove(0, take);
    }
    converter.flush(out);
    drained += out;
    QCOMPARE(codes(drained), codes(convertText(text, Direction::UnicodeToKurdish, testtexts::busyPairs())));
}

QTEST_APPLESS_MAIN(TestStreamConverter)
#include "test_stream_converter.moc"
