#include "cli/ArgumentParser.h"
#include "tests/support/CodeUnits.h"

#include <QStringList>
#include <QTest>

using namespace pirtok;
using namespace pirtok::cli;
using codeunits::units;

namespace {

ArgumentParser::Result parse(const QStringList &args)
{
    std::vector<std::string> raw;
    for (const QString &arg : args)
        raw.push_back(arg.toStdString());
    return ArgumentParser::parse(raw);
}

QString joined(const std::vector<std::string> &names)
{
    QStringList list;
    for (const std::string &name : names)
        list << QString::fromStdString(name);
    return list.join(QLatin1Char('|'));
}

QString boxes(const LetterPairs &pairs)
{
    QStringList list;
    for (int i = 0; i < LetterPairs::BoxCount; ++i)
        list << pairs.box(i);
    return list.join(QLatin1Char('|'));
}

} // namespace

class TestCliArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void options_data();
    void options();
    void pairs_data();
    void pairs();
    void usageErrors_data();
    void usageErrors();
};

void TestCliArguments::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<bool>("utf16In");
    QTest::addColumn<bool>("utf16Out");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("inputs");

    QTest::newRow("defaults") << QStringList() << 0 << false << false << false << QString() << QString();
    QTest::newRow("to kurdish font") << QStringList{QStringLiteral("--to-kurdish-font")} << 1 << false
                                     << false << false << QString() << QString();
    QTest::newRow("same direction twice")
        << QStringList{QStringLiteral("--to-unicode"), QStringLiteral("--to-unicode")} << 0 << false << false
        << false << QString() << QString();
    QTest::newRow("selection") << QStringList{QStringLiteral("--selection"), QStringLiteral("a")} << 0 << true
                               << false << false << QString() << QStringLiteral("a");
    QTest::newRow("encodings spaced") << QStringList{QStringLiteral("--from"), QStringLiteral("utf-16le"),
                                                     QStringLiteral("--to"), QStringLiteral("UTF-16LE")}
                                      << 0 << false << true << true << QString() << QString();
    QTest::newRow("encodings attached")
        << QStringList{QStringLiteral("--from=utf16le"), QStringLiteral("--to=utf8")} << 0 << false << true
        << false << QString() << QString();
    QTest::newRow("output spaced") << QStringList{QStringLiteral("in"), QStringLiteral("-o"),
                                                  QStringLiteral("out")}
                                   << 0 << false << false << false << QStringLiteral("out")
                                   << QStringLiteral("in");
    QTest::newRow("output attached") << QStringList{QStringLiteral("-oout"), QStringLiteral("in")} << 0
                                     << false << false << false << QStringLiteral("out")
                                     << QStringLiteral("in");
    QTest::newRow("output long") << QStringList{QStringLiteral("--output=out")} << 0 << false << false
                                 << false << QStringLiteral("out") << QString();
    QTest::newRow("output dash is stdout") << QStringList{QStringLiteral("-o"), QStringLiteral("-")} << 0
                                           << false << false << false << QString() << QString();
    QTest::newRow("dash is an input")
        << QStringList{QStringLiteral("a"), QStringLiteral("-"), QStringLiteral("b")} << 0 << false << false
        << false << QString() << QStringLiteral("a|-|b");
    QTest::newRow("after double dash")
        << QStringList{QStringLiteral("--"), QStringLiteral("--selection"), QStringLiteral("-o")} << 0
        << false << false << false << QString() << QStringLiteral("--selection|-o");
}

void TestCliArguments::options()
{
    QFETCH(QStringList, args);
    QFETCH(int, direction);
    QFETCH(bool, selection);
    QFETCH(bool, utf16In);
    QFETCH(bool, utf16Out);
    QFETCH(QString, output);
    QFETCH(QString, inputs);

    const ArgumentParser::Result result = parse(args);
    QVERIFY2(result.ok(), result.error.c_str());
    const ConvertOptions &o = result.options;
    QCOMPARE(int(o.direction), direction);
    QCOMPARE(o.kind == RunKind::Selection, selection);
    QCOMPARE(o.from == TextEncoding::Utf16Le, utf16In);
    QCOMPARE(o.to == TextEncoding::Utf16Le, utf16Out);
    QCOMPARE(QString::fromStdString(o.output), output);
    QCOMPARE(joined(o.inputs), inputs);
}

void TestCliArguments::pairs_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("boxes");

    const QString kaf = units({0x0643});
    const QString keheh = units({0x06A9});
    const QString eq = QStringLiteral("=");
    QTest::newRow("one pair") << QStringList{kaf + eq + keheh}
                              << (kaf + QLatin1Char('|') + keheh + QStringLiteral("||||||"));
    QTest::newRow("empty unicode letter") << QStringList{kaf + eq} << (kaf + QStringLiteral("|||||||"));
    QTest::newRow("empty kurdish letter")
        << QStringList{eq + keheh} << (QLatin1Char('|') + keheh + QStringLiteral("||||||"));
    QTest::newRow("both empty") << QStringList{eq} << QStringLiteral("|||||||");
    QTest::newRow("equals sign as the letter")
        << QStringList{QStringLiteral("==x")} << QStringLiteral("=|x||||||");
    QTest::newRow("equals sign to nothing")
        << QStringList{QStringLiteral("==")} << QStringLiteral("=|||||||");
    QTest::newRow("rows in order") << QStringList{QStringLiteral("a=b"), QStringLiteral("c="),
                                                  QStringLiteral("=d"), QStringLiteral("e=f")}
                                   << QStringLiteral("a|b|c|||d|e|f");
}

void TestCliArguments::pairs()
{
    QFETCH(QStringList, values);
    QFETCH(QString, boxes);

    QStringList args;
    for (const QString &value : values)
        args << QStringLiteral("--pair") << value;
    const ArgumentParser::Result result = parse(args);
    QVERIFY2(result.ok(), result.error.c_str());
    QCOMPARE(::boxes(result.options.pairs), boxes);
}

void TestCliArguments::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("fragment");

    const QString pair = QStringLiteral("--pair");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast")}
                                    << QStringLiteral("unknown option '--fast'");
    QTest::newRow("unknown short option")
        << QStringList{QStringLiteral("-x")} << QStringLiteral("unknown option '-x'");
    QTest::newRow("both directions") << QStringList{QStringLiteral("--to-unicode"),
                                                    QStringLiteral("--to-kurdish-font")}
                                     << QStringLiteral("exclude each other");
    QTest::newRow("five pairs") << QStringList{pair, QStringLiteral("a=b"), pair, QStringLiteral("a=b"),
                                               pair, QStringLiteral("a=b"), pair, QStringLiteral("a=b"),
                                               pair, QStringLiteral("a=b")}
                                << QStringLiteral("at most four");
    QTest::newRow("pair without equals")
        << QStringList{pair, QStringLiteral("ab")} << QStringLiteral("expected K=U");
    QTest::newRow("kurdish letter too long")
        << QStringList{pair, QStringLiteral("ab=c")} << QStringLiteral("Kurdish-font letter");
    QTest::newRow("unicode letter too long")
        << QStringList{pair, QStringLiteral("a=bc")} << QStringLiteral("Unicode letter");
    QTest::newRow("letter beyond U+FFFF") << QStringList{pair, QStringLiteral("a=") + units({0xD83D, 0xDE00})}
                                          << QStringLiteral("Unicode letter");
    QTest::newRow("pair value missing") << QStringList{pair} << QStringLiteral("needs a value");
    QTest::newRow("unknown encoding") << QStringList{QStringLiteral("--from"), QStringLiteral("latin1")}
                                      << QStringLiteral("utf-8, utf-16le and cp1256");
    QTest::newRow("flag with a value")
        << QStringList{QStringLiteral("--selection=yes")} << QStringLiteral("takes no value");
    QTest::newRow("two outputs") << QStringList{QStringLiteral("-o"), QStringLiteral("a"),
                                                QStringLiteral("-o"), QStringLiteral("b")}
                                 << QStringLiteral("only one output");
    QTest::newRow("empty output name")
        << QStringList{QStringLiteral("--output=")} << QStringLiteral("needs a file name");
    QTest::newRow("output without name")
        << QStringList{QStringLiteral("in"), QStringLiteral("-o")} << QStringLiteral("needs a value");
    QTest::newRow("buffer size zero")
        << QStringList{QStringLiteral("--buffer-size=0")} << QStringLiteral("--buffer-size");
    QTest::newRow("buffer size not a number")
        << QStringList{QStringLiteral("--buffer-size"), QStringLiteral("12k")}
        << QStringLiteral("--buffer-size");
}

void TestCliArguments::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, fragment);

    const ArgumentParser::Result result = parse(args);
    QVERIFY(!result.ok());
    QVERIFY2(QString::fromStdString(result.error).contains(fragment), result.error.c_str());
}

QTEST_APPLESS_MAIN(TestCliArguments)
#include "test_cli_arguments.moc"
