#include "shell/core/DesktopEntryText.h"

#include <QTest>

class TestDesktopEntryText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void execValue_data();
    void execValue();
    void reservedCharacterIsQuoted_data();
    void reservedCharacterIsQuoted();
    void escapeValue_data();
    void escapeValue();
    void compose();
};

void TestDesktopEntryText::execValue_data()
{
    // As the file holds them: the value escaping doubles the quoting's backslashes again.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain path") << QStringLiteral("/opt/pirtok/Pirtok")
                                << QStringLiteral("/opt/pirtok/Pirtok");
    QTest::newRow("spaces") << QStringLiteral("/home/a b/My Apps/Pirtok")
                            << QStringLiteral("\"/home/a b/My Apps/Pirtok\"");
    QTest::newRow("percent outside quotes")
        << QStringLiteral("/opt/100%/Pirtok") << QStringLiteral("/opt/100%%/Pirtok");
    QTest::newRow("percent inside quotes")
        << QStringLiteral("/opt/a %f/Pirtok") << QStringLiteral("\"/opt/a %%f/Pirtok\"");
    QTest::newRow("double quote") << QStringLiteral("/opt/say \"hi\"/Pirtok")
                                  << QStringLiteral("\"/opt/say \\\\\"hi\\\\\"/Pirtok\"");
    QTest::newRow("backslash") << QStringLiteral("/opt/a\\b/Pirtok")
                               << QStringLiteral("\"/opt/a\\\\\\\\b/Pirtok\"");
    QTest::newRow("dollar and backtick")
        << QStringLiteral("/opt/$HOME`x`/Pirtok") << QStringLiteral("\"/opt/\\\\$HOME\\\\`x\\\\`/Pirtok\"");
    QTest::newRow("single quote") << QStringLiteral("/opt/it's/Pirtok")
                                  << QStringLiteral("\"/opt/it's/Pirtok\"");
    QTest::newRow("line break") << QStringLiteral("/opt/a\nb/Pirtok")
                                << QStringLiteral("\"/opt/a\\nb/Pirtok\"");
}

void TestDesktopEntryText::execValue()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(DesktopEntryText::execValue(program), exec);
}

void TestDesktopEntryText::reservedCharacterIsQuoted_data()
{
    // Every character that makes a desktop file's Exec argument need quotes (freedesktop's
    // reserved list); inside the quotes '"', '`', '$' and '\\' take a backslash.
    QTest::addColumn<QChar>("reserved");
    const std::pair<const char *, char16_t> reserved[] = {
        {"space", u' '},
        {"tab", u'\t'},
        {"line break", u'\n'},
        {"double quote", u'"'},
        {"single quote", u'\''},
        {"backslash", u'\\'},
        {"greater-than", u'>'},
        {"less-than", u'<'},
        {"tilde", u'~'},
        {"vertical bar", u'|'},
        {"ampersand", u'&'},
        {"semicolon", u';'},
        {"dollar", u'$'},
        {"asterisk", u'*'},
        {"question mark", u'?'},
        {"hash", u'#'},
        {"open parenthesis", u'('},
        {"close parenthesis", u')'},
        {"backtick", u'`'},
    };
    for (const auto &[name, c] : reserved)
        QTest::newRow(name) << QChar(c);
}

void TestDesktopEntryText::reservedCharacterIsQuoted()
{
    QFETCH(QChar, reserved);
    const bool escaped = QStringLiteral("\"`$\\").contains(reserved);
    const QString expected = QStringLiteral("\"/opt/a") + (escaped ? QStringLiteral("\\") : QString()) +
                             reserved + QStringLiteral("b\"");
    QCOMPARE(DesktopEntryText::quoteExecArgument(QStringLiteral("/opt/a") + reserved + u'b'), expected);
}

void TestDesktopEntryText::escapeValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << QStringLiteral("/opt/pirtok") << QStringLiteral("/opt/pirtok");
    QTest::newRow("inner spaces stay") << QStringLiteral("/a b/c") << QStringLiteral("/a b/c");
    QTest::newRow("leading space") << QStringLiteral(" x") << QStringLiteral("\\sx");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a\\\\b");
    QTest::newRow("tab and line break") << QStringLiteral("a\tb\nc") << QStringLiteral("a\\tb\\nc");
}

void TestDesktopEntryText::escapeValue()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);
    QCOMPARE(DesktopEntryText::escapeValue(value), escaped);
}

void TestDesktopEntryText::compose()
{
    QCOMPARE(DesktopEntryText::compose({{QStringLiteral("Type"), QStringLiteral("Application")},
                                        {QStringLiteral("Exec"), QString()}}),
             QStringLiteral("[Desktop Entry]\nType=Application\nExec=\n"));
}

QTEST_APPLESS_MAIN(TestDesktopEntryText)
#include "test_desktop_entry_text.moc"
