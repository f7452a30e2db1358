#include "keyboard/core/ArabicKeyPositions.h"
#include "keyboard/core/KurdishKeyMap.h"

#include <QTest>

using pirtok::arabicCharacterAt;
using pirtok::arabicKeyAt;

class TestKeyPositions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The Arabic (101) layout's unshifted level, key by key from the US key's position.
    void plainLevelFollowsTheArabicLayout_data()
    {
        QTest::addColumn<char>("latin");
        QTest::addColumn<int>("arabic");
        const std::pair<char, int> keys[] = {
            {'q', 0x0636}, {'w', 0x0635}, {'e', 0x062B}, {'r', 0x0642}, {'t', 0x0641},  {'y', 0x063A},
            {'u', 0x0639}, {'i', 0x0647}, {'o', 0x062E}, {'p', 0x062D}, {'[', 0x062C},  {']', 0x062F},
            {'a', 0x0634}, {'s', 0x0633}, {'d', 0x064A}, {'f', 0x0628}, {'g', 0x0644},  {'h', 0x0627},
            {'j', 0x062A}, {'k', 0x0646}, {'l', 0x0645}, {';', 0x0643}, {'\'', 0x0637}, {'z', 0x0626},
            {'x', 0x0621}, {'c', 0x0624}, {'v', 0x0631}, {'b', 0xFEFB}, {'n', 0x0649},  {'m', 0x0629},
            {',', 0x0648}, {'.', 0x0632}, {'/', 0x0638}, {'`', 0x0630},
        };
        for (const auto &[latin, arabic] : keys)
            QTest::addRow("%c", latin) << latin << arabic;
    }
    void plainLevelFollowsTheArabicLayout()
    {
        QFETCH(char, latin);
        QFETCH(int, arabic);
        const auto key =
            std::find_if(pirtok::ArabicKeyPositions.begin(), pirtok::ArabicKeyPositions.end(),
                         [latin](const pirtok::ArabicKeyPosition &k) { return k.latin == latin; });
        QVERIFY(key != pirtok::ArabicKeyPositions.end());
        QCOMPARE(int(key->plain), arabic);
        QCOMPARE(int(arabicCharacterAt(key->scanCode, false).value()), arabic);
    }

    // X11 key codes of the US keys, and the shifted level of the system's "ara" layout.
    void keysByScanCode_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("expected"); // -1: not a key of the table
        QTest::newRow("q") << 24 << false << 0x0636;
        QTest::newRow("shift q fatha") << 24 << true << 0x064E;
        QTest::newRow("' tah") << 48 << false << 0x0637;
        QTest::newRow("shift ' quotation mark") << 48 << true << 0x0022;
        QTest::newRow("shift v left curly bracket") << 55 << true << 0x007B;
        QTest::newRow("shift c right curly bracket") << 54 << true << 0x007D;
        QTest::newRow("shift / arabic question mark") << 61 << true << 0x061F;
        QTest::newRow("shift ` shadda") << 49 << true << 0x0651;
        QTest::newRow("digit 1 not in table") << 10 << false << -1;
        QTest::newRow("space not in table") << 65 << false << -1;
        QTest::newRow("no code") << 0 << false << -1;
    }
    void keysByScanCode()
    {
        QFETCH(int, scanCode);
        QFETCH(bool, shift);
        QFETCH(int, expected);
        const std::optional<char16_t> found = arabicCharacterAt(unsigned(scanCode), shift);
        QCOMPARE(found.has_value(), expected >= 0);
        if (found)
            QCOMPARE(int(*found), expected);
    }

    // On a US keyboard q gives che and ' gives gaf once the character map has its turn.
    void throughTheCharacterMap()
    {
        QCOMPARE(int(pirtok::TranslateKey(*arabicCharacterAt(24, false))), 0x0686);
        QCOMPARE(int(pirtok::TranslateKey(*arabicCharacterAt(48, false))), 0x06AF);
    }

    void scanCodesAreUnique()
    {
        QSet<unsigned> seen;
        for (const pirtok::ArabicKeyPosition &key : pirtok::ArabicKeyPositions) {
            QVERIFY2(!seen.contains(key.scanCode), qPrintable(QString::number(key.scanCode)));
            seen.insert(key.scanCode);
            QCOMPARE(arabicKeyAt(key.scanCode)->latin, key.latin);
        }
    }

    void arabicScript_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("arabic");
        QTest::newRow("sheen") << 0x0634 << true;
        QTest::newRow("ae") << 0x06D5 << true;
        QTest::newRow("lam-alef form") << 0xFEFB << true;
        QTest::newRow("latin a") << int('a') << false;
        QTest::newRow("curly bracket") << int('{') << false;
        QTest::newRow("right single quote") << 0x2019 << false;
        QTest::newRow("division sign") << 0x00F7 << false;
    }
    void arabicScript()
    {
        QFETCH(int, code);
        QFETCH(bool, arabic);
        QCOMPARE(pirtok::isArabicScript(char16_t(code)), arabic);
    }
};

QTEST_APPLESS_MAIN(TestKeyPositions)
#include "test_key_positions.moc"
