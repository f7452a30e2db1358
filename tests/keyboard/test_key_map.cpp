#include "keyboard/core/KurdishKeyMap.h"

#include <QTest>

using pirtok::TranslateKey;

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsEveryRow_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("output");
        QTest::newRow("waw hamza -> oe") << 0x0624 << 0x06C6;
        QTest::newRow("theh -> peh") << 0x062B << 0x067E;
        QTest::newRow("{ -> reh small v") << 0x007B << 0x0695;
        QTest::newRow("dad -> tcheh") << 0x0636 << 0x0686;
        QTest::newRow("zah -> veh") << 0x0638 << 0x06A4;
        QTest::newRow("thal -> jeh") << 0x0630 << 0x0698;
        QTest::newRow("sad -> lam small v") << 0x0635 << 0x06B5;
        QTest::newRow("tah -> gaf") << 0x0637 << 0x06AF;
        QTest::newRow("alef maksura -> yeh small v") << 0x0649 << 0x06CE;
        QTest::newRow("heh doachashmee -> heh") << 0x06BE << 0x0647;
        QTest::newRow("teh marbuta -> ae") << 0x0629 << 0x06D5;
        QTest::newRow("} -> waw hamza") << 0x007D << 0x0624;
        QTest::newRow("damma -> theh") << 0x064F << 0x062B;
        QTest::newRow("fatha -> dad") << 0x064E << 0x0636;
        QTest::newRow("arabic question mark -> zah") << 0x061F << 0x0638;
        QTest::newRow("shadda -> thal") << 0x0651 << 0x0630;
        QTest::newRow("fathatan -> sad") << 0x064B << 0x0635;
        QTest::newRow("quotation mark -> tah") << 0x0022 << 0x0637;
        QTest::newRow("right single quote -> teh marbuta") << 0x2019 << 0x0629;
    }
    void mapsEveryRow()
    {
        QFETCH(int, input);
        QFETCH(int, output);
        QCOMPARE(int(TranslateKey(char16_t(input))), output);
    }

    void tableHasNineteenDistinctInputs()
    {
        QCOMPARE(pirtok::KurdishKeyMap.size(), std::size_t(19));
        QSet<char16_t> inputs;
        for (const auto &row : pirtok::KurdishKeyMap)
            inputs.insert(row.first);
        QCOMPARE(inputs.size(), 19);
    }

    void passesEverythingElse_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("backspace") << 8;
        QTest::newRow("enter") << 13;
        QTest::newRow("line feed") << 10;
        QTest::newRow("space") << 0x20;
        QTest::newRow("digit") << int('7');
        QTest::newRow("latin") << int('q');
        QTest::newRow("square bracket") << int('[');
        QTest::newRow("apostrophe") << int('\'');
        QTest::newRow("alef") << 0x0627;
        QTest::newRow("heh") << 0x0647;
        QTest::newRow("yeh") << 0x064A;
        QTest::newRow("kaf") << 0x0643;
        QTest::newRow("arabic comma") << 0x060C;
        QTest::newRow("kasra") << 0x0650;
        QTest::newRow("left single quote") << 0x2018;
        QTest::newRow("already kurdish oe") << 0x06C6;
        QTest::newRow("high surrogate") << 0xD83D;
        QTest::newRow("low surrogate") << 0xDE00;
    }
    void passesEverythingElse()
    {
        QFETCH(int, code);
        QCOMPARE(int(TranslateKey(char16_t(code))), code);
    }

    void looksUpOnlyOnce()
    {
        // "}" gives waw with hamza; that output is not mapped again to oe.
        QCOMPARE(int(TranslateKey(u'}')), 0x0624);
        // "’" gives teh marbuta, not ae.
        QCOMPARE(int(TranslateKey(u'\u2019')), 0x0629);
    }
};

QTEST_APPLESS_MAIN(TestKeyMap)
#include "test_key_map.moc"
