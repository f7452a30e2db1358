#include "cli/ArgumentParser.h"
#include "convert/core/LineClass.h"
#include "tests/cli/CliProcess.h"
#include "tests/cli/CliTexts.h"

#include <QTest>

// The legacy writings on the command line: the options, their refusals, --detect, and
// files converted in line-wise pieces joining to the file converted whole.

using cliprocess::readFile;
using cliprocess::runConvert;
using cliprocess::writeFile;
using codeunits::units;

namespace {

QStringList words(const char *line)
{
    return QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
}

std::vector<std::string> argsOf(const QStringList &list)
{
    std::vector<std::string> args;
    for (const QString &arg : list)
        args.push_back(arg.toStdString());
    return args;
}

bool detectionIsReal()
{
    return pirtok::classifyLine(u"\u06D5") == pirtok::LineClass::Unicode;
}

} // namespace

class TestCliFamilies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsParse_data();
    void optionsParse();
    void refusals_data();
    void refusals();
    void aliKSentenceToStandardSorani();
    void withoutNewOptionsOutputIsUnchanged();
    void detectNamesEachWriting();
    void piecesJoinToTheWhole_data();
    void piecesJoinToTheWhole();
};

void TestCliFamilies::optionsParse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("family");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<bool>("detect");
    using pirtok::Family;
    QTest::newRow("default") << words("") << int(Family::KurdishFont) << false << false;
    QTest::newRow("ali-k standard") << words("--family ali-k --standard") << int(Family::AliK) << true
                                    << false;
    QTest::newRow("attached, auto") << words("--family=auto --standard --no-punctuation") << int(Family::Auto)
                                    << true << false;
    QTest::newRow("unicode with digits")
        << words("--family unicode --digits latin") << int(Family::Unicode) << false << false;
    QTest::newRow("write zarnegar") << words("--to-kurdish-font --family zarnegar") << int(Family::Zarnegar)
                                    << false << false;
    QTest::newRow("detect") << words("--detect --from cp1256 a.txt") << int(Family::KurdishFont) << false
                            << true;
}

void TestCliFamilies::optionsParse()
{
    QFETCH(QStringList, args);
    QFETCH(int, family);
    QFETCH(bool, standard);
    QFETCH(bool, detect);
    const auto parsed = pirtok::cli::ArgumentParser::parse(argsOf(args));
    QVERIFY2(parsed.ok(), parsed.error.c_str());
    QCOMPARE(int(parsed.options.family), family);
    QCOMPARE(parsed.options.standard, standard);
    QCOMPARE(parsed.options.detect, detect);
}

void TestCliFamilies::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown family") << words("--family alik")
                                    << QStringLiteral("--family 'alik': the families are");
    QTest::newRow("unknown step") << words("--standard --no-vowels")
                                  << QStringLiteral("unknown option '--no-vowels'");
    QTest::newRow("unknown digits") << words("--standard --digits roman")
                                    << QStringLiteral("--digits 'roman'");
    QTest::newRow("step without pass") << words("--no-letters") << QStringLiteral("add --standard");
    QTest::newRow("auto written") << words("--to-kurdish-font --family auto")
                                  << QStringLiteral("writes one family");
    QTest::newRow("pass on font output")
        << words("--to-kurdish-font --standard") << QStringLiteral("does not go with --to-kurdish-font");
    QTest::newRow("pair on ali-k") << words("--family ali-k --pair a=b") << QStringLiteral("--pair belongs");
    QTest::newRow("detect and output") << words("--detect -o x") << QStringLiteral("--detect only reads");
    QTest::newRow("detect and family")
        << words("--detect --family dylan") << QStringLiteral("--detect only reads");
}

void TestCliFamilies::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    const auto parsed = pirtok::cli::ArgumentParser::parse(argsOf(args));
    QVERIFY(!parsed.ok());
    QVERIFY2(QString::fromStdString(parsed.error).contains(error), parsed.error.c_str());
}

void TestCliFamilies::aliKSentenceToStandardSorani()
{
    // ئاشناكردنى خويَندكار بة طوَرِانكاريية كوَمةلاَيةتييةكان
    const QString aliK =
        units({0x0626, 0x0627, 0x0634, 0x0646, 0x0627, 0x0643, 0x0631, 0x062F, 0x0646, 0x0649, 0x0020,
               0x062E, 0x0648, 0x064A, 0x064E, 0x0646, 0x062F, 0x0643, 0x0627, 0x0631, 0x0020, 0x0628,
               0x0629, 0x0020, 0x0637, 0x0648, 0x064E, 0x0631, 0x0650, 0x0627, 0x0646, 0x0643, 0x0627,
               0x0631, 0x064A, 0x064A, 0x0629, 0x0020, 0x0643, 0x0648, 0x064E, 0x0645, 0x0629, 0x0644,
               0x0627, 0x064E, 0x064A, 0x0629, 0x062A, 0x064A, 0x064A, 0x0629, 0x0643, 0x0627, 0x0646});
    const QString sorani =
        units({0x0626, 0x0627, 0x0634, 0x0646, 0x0627, 0x06A9, 0x0631, 0x062F, 0x0646, 0x06CC,
               0x0020, 0x062E, 0x0648, 0x06CE, 0x0646, 0x062F, 0x06A9, 0x0627, 0x0631, 0x0020,
               0x0628, 0x06D5, 0x0020, 0x06AF, 0x06C6, 0x0695, 0x0627, 0x0646, 0x06A9, 0x0627,
               0x0631, 0x06CC, 0x06CC, 0x06D5, 0x0020, 0x06A9, 0x06C6, 0x0645, 0x06D5, 0x06B5,
               0x0627, 0x06CC, 0x06D5, 0x062A, 0x06CC, 0x06CC, 0x06D5, 0x06A9, 0x0627, 0x0646});
    const auto run = runConvert(words("--family ali-k --standard"), aliK.toUtf8());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), sorani);
}

void TestCliFamilies::withoutNewOptionsOutputIsUnchanged()
{
    const QByteArray input = clitexts::randomText(41u, 3000).toUtf8();
    const auto plain = runConvert({}, input);
    const auto named = runConvert(words("--family kurdish-font"), input);
    QCOMPARE(plain.exitCode, 0);
    QCOMPARE(named.out, plain.out);
}

// An Ali-K book with a quoted Arabic verse, a Unicode chapter and a Zarnegar page.
void TestCliFamilies::detectNamesEachWriting()
{
    if (!detectionIsReal())
        QSKIP("the line classifier is not in yet");
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book.txt"));
    const QString aliK =
        units({0x0626, 0x0629, 0x0645, 0x0020, 0x0643, 0x062A, 0x064A, 0x0628, 0x0629, 0x0020,
               0x0628, 0x0629, 0x0020, 0x0637, 0x0648, 0x064E, 0x0631, 0x0650, 0x0627, 0x0646});
    const QString arabic = units({0x0642, 0x0627, 0x0644, 0x0020, 0x0627, 0x0644, 0x0644, 0x0647, 0x0020,
                                  0x0641, 0x064A, 0x0020, 0x0627, 0x0644, 0x0643, 0x062A, 0x0627, 0x0628});
    const QString unicode = units({0x0626, 0x06D5, 0x0645, 0x0020, 0x06A9, 0x062A, 0x06CE, 0x0628, 0x06D5});
    const QString zarnegar =
        units({0x06AF, 0x0648, 0x064C, 0x0631, 0x0627, 0x0646, 0x06A9, 0x0627, 0x0631, 0x06CC,
               0x0020, 0x0643, 0x0648, 0x064C, 0x0645, 0x0647, 0x200C, 0x0644, 0x0627, 0x064C});
    QString text;
    for (int i = 0; i < 5; ++i)
        text += aliK + u'\n';
    text += arabic + u'\n' + unicode + u'\n' + unicode + u'\n' + zarnegar + u'\n';
    writeFile(book, text.toUtf8());
    const auto run = runConvert(words("--detect") + QStringList{book});
    QCOMPARE(run.exitCode, 0);
    // Classes with as many lines stand in the classes' own order: the four writings, Unicode, Arabic.
    QCOMPARE(QString::fromUtf8(run.out),
             book + QStringLiteral(": ali-k (5 lines), unicode (2), zarnegar (1), arabic (1)\n"));
}

void TestCliFamilies::piecesJoinToTheWhole_data()
{
    QTest::addColumn<QString>("family");
    for (const QString &family : pirtok::familyNames())
        QTest::newRow(family.toLatin1().constData()) << family;
}

// A file converted in line-wise pieces, joined, is the file converted whole.
void TestCliFamilies::piecesJoinToTheWhole()
{
    QFETCH(QString, family);
    QTemporaryDir dir;
    const QString text = clitexts::randomText(7u, 6000);
    const QString wholeFile = dir.filePath(QStringLiteral("whole.txt"));
    writeFile(wholeFile, text.toUtf8());
    const QStringList options{QStringLiteral("--family"), family, QStringLiteral("--standard")};
    const auto whole = runConvert(options + QStringList{wholeFile});
    QCOMPARE(whole.exitCode, 0);

    QByteArray joined;
    const QStringList lines = text.split(u'\n');
    for (qsizetype from = 0, piece = 0; from < lines.size(); from += 37, ++piece) {
        QString part = lines.mid(from, 37).join(u'\n');
        if (from + 37 < lines.size())
            part += u'\n';
        const QString pieceFile = dir.filePath(QStringLiteral("piece%1.txt").arg(piece));
        writeFile(pieceFile, part.toUtf8());
        const auto run = runConvert(options + QStringList{pieceFile});
        QCOMPARE(run.exitCode, 0);
        joined += run.out;
    }
    QCOMPARE(joined, whole.out);
}

QTEST_MAIN(TestCliFamilies)
#include "test_cli_families.moc"
