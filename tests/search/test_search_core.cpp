#include "search/core/ReplaceAll.h"
#include "search/core/SearchMessages.h"
#include "search/core/UpperCasing.h"
#include "search/core/WordFinder.h"
#include "tests/support/CodeUnits.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pirtok;
using codeunits::codes;
using codeunits::units;

namespace {

const QString LetterEe = units({0x06CE});
const QString LetterRr = units({0x0695});

// Replace all as the window's step-by-step loop does it: find the first match, then
// replace the selected match and search on behind the replacement, once per pass, at most
// `passLimit` passes.
struct StepByStepReplaceAll
{
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
    qsizetype searchPos = 0;
    int searchCount = 0;
    bool searchFound = false;
    bool replaceAllRun = false;
    bool showCount = false;
    qsizetype foundCount = 0;
    QStringList messages;

    void findNext(const QString &word, const QString &replacement, qsizetype start)
    {
        const QString find = upperCased(word);
        if (searchCount == 1 && selStart >= 1 && selStart < text.size()) {
            start = selStart;
            searchPos = 0;
        }
        start = std::max(start, searchPos);
        const qsizetype pos = upperCased(text).indexOf(find, start - 1) + 1;
        if (pos >= 1) {
            searchPos = pos;
            selStart = pos - 1;
            selLength = find.size();
            searchFound = true;
            searchPos += replacement.size() - 1;
            ++foundCount;
            return;
        }
        const SearchMessages texts(LetterEe, LetterRr);
        QString countLine;
        if (showCount) {
            showCount = false;
            countLine = texts.countLine(foundCount);
        }
        messages.append(texts.closing(searchCount == 1, replaceAllRun, countLine));
        searchCount = 0;
        searchFound = false;
        replaceAllRun = false;
    }

    void replaceSelection(const QString &replacement)
    {
        text = text.left(selStart) + replacement + text.mid(selStart + selLength);
        selStart += replacement.size();
        selLength = 0;
    }

    void run(const QString &word, const QString &replacement, qsizetype passLimit)
    {
        replaceAllRun = true;
        foundCount = 0;
        showCount = true;
        searchPos = 0;
        selStart = 0;
        selLength = 0;
        searchFound = true;
        searchCount = 0;
        for (qsizetype pass = 0; pass < passLimit; ++pass) {
            if (searchCount == 0) {
                searchCount = 1;
                findNext(word, replacement, 1);
            } else {
                replaceSelection(replacement);
                ++searchCount;
                findNext(word, replacement, searchPos + 1);
            }
            if (!searchFound)
                break;
        }
    }
};

// Few letters, so that random words occur often, next to each other and overlapping.
QString randomText(QRandomGenerator &random, qsizetype maxLength)
{
    static const QString letters = QStringLiteral("aAbB ") + units({0x06D5, 0x0647});
    QString text;
    const qsizetype length = random.bounded(static_cast<int>(maxLength) + 1);
    for (qsizetype i = 0; i < length; ++i)
        text.append(letters.at(random.bounded(static_cast<int>(letters.size()))));
    return text;
}

} // namespace

class TestSearchCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void upperCasingKeepsLength_data();
    void upperCasingKeepsLength();
    void find_data();
    void find();
    void findAgreesWithUpperCasedText();
    void messages_data();
    void messages();
    void replaceAll_data();
    void replaceAll();
    void replaceAllAgreesWithStepByStepLoop();
    void oneLetterWordMatchingEveryCharacter();
};

void TestSearchCore::upperCasingKeepsLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("latin") << QStringLiteral("abc XyZ 09") << QStringLiteral("ABC XYZ 09");
    QTest::newRow("latin with marks") << units({0xE4, 0xE9, 0x0101}) << units({0xC4, 0xC9, 0x0100});
    QTest::newRow("long s to S") << units({0x017F}) << units({u'S'});
    QTest::newRow("sharp s has no one-unit upper case") << units({0xDF}) << units({0xDF});
    QTest::newRow("arabic script unchanged")
        << units({0x06D5, 0x0647, 0x06CE, 0x0695, 0x064E}) << units({0x06D5, 0x0647, 0x06CE, 0x0695, 0x064E});
    QTest::newRow("surrogate halves unchanged")
        << units({0xD801, 0xDC28, 0xD83D}) << units({0xD801, 0xDC28, 0xD83D});
}

void TestSearchCore::upperCasingKeepsLength()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(codes(upperCased(text)), codes(expected));
}

void TestSearchCore::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("expected");
    const QString he = units({0x0647});
    const QString ae = units({0x06D5});
    QTest::newRow("either case") << QStringLiteral("One one") << QStringLiteral("oNE") << qsizetype(0)
                                 << qsizetype(0);
    QTest::newRow("from behind the first")
        << QStringLiteral("One one") << QStringLiteral("ONE") << qsizetype(1) << qsizetype(4);
    QTest::newRow("at the very end") << QStringLiteral("xxab") << QStringLiteral("AB") << qsizetype(0)
                                     << qsizetype(2);
    QTest::newRow("empty word") << QStringLiteral("ab") << QString() << qsizetype(0) << qsizetype(-1);
    QTest::newRow("long s matches S")
        << units({u'x', 0x017F, u'u', u'n'}) << QStringLiteral("Sun") << qsizetype(0) << qsizetype(1);
    QTest::newRow("ae is not he") << QString(he + he + ae) << ae << qsizetype(0) << qsizetype(2);
    QTest::newRow("he is not ae") << QString(ae + ae) << he << qsizetype(0) << qsizetype(-1);
    QTest::newRow("far beyond 16 bits") << QString(QString(70000, QLatin1Char('x')) + he + ae)
                                        << QString(he + ae) << qsizetype(40000) << qsizetype(70000);
}

void TestSearchCore::find()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, expected);
    QCOMPARE(WordFinder(word).find(text, from), expected);
}

void TestSearchCore::findAgreesWithUpperCasedText()
{
    // Both ways of finding (a first letter with one case, or with several) against a
    // plain search in the upper-cased texts.
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        const QString text = randomText(random, 40);
        const QString word = randomText(random, 3);
        const qsizetype from = random.bounded(-2, static_cast<int>(text.size()) + 2);
        const qsizetype expected =
            word.isEmpty() ? -1 : upperCased(text).indexOf(upperCased(word), qMax(from, 0));
        QVERIFY2(WordFinder(word).find(text, from) == expected,
                 qPrintable(codes(text) + QStringLiteral(" / ") + codes(word) + QStringLiteral(" from ") +
                            QString::number(from)));
    }
}

void TestSearchCore::messages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const SearchMessages texts(LetterEe, LetterRr);
    QTest::newRow("not found") << texts.notFound()
                               << units({0x0628, 0x0628, 0x0648, 0x0631, 0x0647, 0x0020, 0x0626, 0x0647,
                                         0x0648, 0x0020, 0x0648, 0x0634, 0x0647, 0x0649, 0x0020, 0x062A,
                                         0x06CE, 0x062F, 0x0627, 0x0020, 0x0646, 0x064A, 0x0647});
    QTest::newRow("no more") << texts.noMore()
                             << units({0x0628, 0x0628, 0x0648, 0x0631, 0x0647, 0x0020, 0x0647, 0x064A,
                                       0x0686, 0x0020, 0x0648, 0x0634, 0x0647, 0x0649, 0x0020, 0x062F,
                                       0x064A, 0x0643, 0x0647, 0x0649, 0x0020, 0x062A, 0x06CE, 0x062F,
                                       0x0627, 0x0020, 0x0646, 0x064A, 0x0647});
    QTest::newRow("completed") << texts.completed()
                               << units({0x0648, 0x0647, 0x0631, 0x06AF, 0x06CE, 0x0695, 0x0627,
                                         0x0646, 0x0647, 0x0643, 0x0647, 0x0020, 0x062A, 0x0647,
                                         0x0648, 0x0627, 0x0648, 0x0628, 0x0648, 0x0648});
    const QString countOf1234 =
        units({0x000D, 0x000A, 0x000D, 0x000A, 0x0698, 0x0645, 0x0627, 0x0631, 0x0647, 0x0649,
               0x0020, 0x0648, 0x0627, 0x0631, 0x06AF, 0x06CE, 0x0631, 0x0627, 0x0648, 0x0647,
               0x0643, 0x0627, 0x0646, 0x0020, 0x0028, u'1',   u'2',   u'3',   u'4',   0x0029,
               0x0020, 0x0648, 0x0627, 0x0631, 0x06AF, 0x06CE, 0x0631, 0x0627, 0x0646, 0x0647});
    QTest::newRow("count line") << texts.countLine(1234) << countOf1234;
    QTest::newRow("first step leaves out the count")
        << texts.closing(true, true, texts.countLine(1234)) << texts.notFound();
    QTest::newRow("no more with count")
        << texts.closing(false, false, texts.countLine(1234)) << QString(texts.noMore() + countOf1234);
    QTest::newRow("completed with count")
        << texts.closing(false, true, texts.countLine(1234)) << QString(texts.completed() + countOf1234);
    QTest::newRow("completed, count shown before")
        << texts.closing(false, true, QString()) << texts.completed();
}

void TestSearchCore::messages()
{
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(codes(message), codes(expected));
}

void TestSearchCore::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<qsizetype>("lastEnd");
    QTest::newRow("either case") << QStringLiteral("Cat cat CAT") << QStringLiteral("cat")
                                 << QStringLiteral("dog") << QStringLiteral("dog dog dog") << qsizetype(3)
                                 << qsizetype(11);
    QTest::newRow("removed") << QStringLiteral("a-b-c") << QStringLiteral("-") << QString()
                             << QStringLiteral("abc") << qsizetype(2) << qsizetype(2);
    QTest::newRow("replacement holds the word")
        << QStringLiteral("a a") << QStringLiteral("a") << QStringLiteral("[a]") << QStringLiteral("[a] [a]")
        << qsizetype(2) << qsizetype(7);
}

void TestSearchCore::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QFETCH(qsizetype, count);
    QFETCH(qsizetype, lastEnd);
    const ReplaceAllResult result = pirtok::replaceAll(text, WordFinder(word), replacement);
    QCOMPARE(result.text, expected);
    QCOMPARE(result.count, count);
    QCOMPARE(result.lastReplacementEnd, lastEnd);
}

void TestSearchCore::replaceAllAgreesWithStepByStepLoop()
{
    QRandomGenerator random(11);
    const SearchMessages texts(LetterEe, LetterRr);
    for (int round = 0; round < 3000; ++round) {
        const QString text = randomText(random, 30);
        QString word = randomText(random, 3);
        if (word.isEmpty())
            word = QStringLiteral("a");
        QString replacement = randomText(random, 3);
        if (round % 4 == 0)
            replacement = randomText(random, 1) + word.toLower() + randomText(random, 1); // holds the word
        if (round % 5 == 0 && !text.isEmpty())
            word = text.right(std::min<qsizetype>(word.size(), text.size())); // a match at the very end

        StepByStepReplaceAll loop;
        loop.text = text;
        loop.run(word, replacement, text.size());
        if (loop.messages.isEmpty() && !text.isEmpty()) {
            // The loop's bound falls one pass short only when every character is a match.
            QCOMPARE(word.size(), 1);
            QCOMPARE(loop.foundCount, text.size());
            loop = StepByStepReplaceAll();
            loop.text = text;
            loop.run(word, replacement, text.size() + 1);
        }

        const ReplaceAllResult result = pirtok::replaceAll(text, WordFinder(word), replacement);
        const QString context =
            codes(text) + QStringLiteral(" / ") + codes(word) + QStringLiteral(" / ") + codes(replacement);
        QVERIFY2(result.text == loop.text, qPrintable(context));
        QVERIFY2(result.count == loop.foundCount, qPrintable(context));
        QVERIFY2(result.lastReplacementEnd == loop.selStart && loop.selLength == 0, qPrintable(context));
        QVERIFY2(result.lastReplacementEnd == loop.searchPos, qPrintable(context));
        if (!text.isEmpty()) {
            const QString message = texts.closing(result.count == 0, true, texts.countLine(result.count));
            QVERIFY2(loop.messages == QStringList{message}, qPrintable(context));
        }
    }
}

void TestSearchCore::oneLetterWordMatchingEveryCharacter()
{
    // Bounded by the text's length, the loop selects the last match but never replaces it.
    StepByStepReplaceAll loop;
    loop.text = QStringLiteral("aAa");
    loop.run(QStringLiteral("a"), QStringLiteral("xy"), loop.text.size());
    QCOMPARE(loop.text, QStringLiteral("xyxya"));
    QVERIFY(loop.messages.isEmpty());

    const ReplaceAllResult result = pirtok::replaceAll(QStringLiteral("aAa"), WordFinder(u"a"), u"xy");
    QCOMPARE(result.text, QStringLiteral("xyxyxy"));
    QCOMPARE(result.count, 3);
}

QTEST_APPLESS_MAIN(TestSearchCore)
#include "test_search_core.moc"
