#include "shell/IniSettingsStore.h"
#include "shell/SettingsKeys.h"
#include "tests/support/CodeUnits.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using codeunits::codes;
using codeunits::units;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTrip_data();
    void roundTrip();
    void missingKey();
    void onePlainFilePerApplication();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    IniSettingsStore m_store;
};

void TestSettingsStore::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_home->path().toUtf8());
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("index") << QStringLiteral("fontname") << QStringLiteral("-1");
    QTest::newRow("key with a space") << QStringLiteral("Star Up") << QStringLiteral("1");
    QTest::newRow("Kurdish letter") << QStringLiteral("Text1") << units({0x0695});
    QTest::newRow("empty text") << QStringLiteral("Keyboard") << QString();
    QTest::newRow("path with spaces") << QStringLiteral("Varok PathName") << QStringLiteral("/home/a b/x");
    QTest::newRow("looks like a variant") << QStringLiteral("Text_1") << QStringLiteral("@Variant(x)");
    QTest::newRow("line break and quotes") << QStringLiteral("Text_2") << QStringLiteral("a\"b\n;c=d");
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, key, value));
    const QString back =
        m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, key, QStringLiteral("default"));
    QCOMPARE(codes(back), codes(value));
}

void TestSettingsStore::missingKey()
{
    QCOMPARE(m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, QStringLiteral("Star Up")), QString());
    QCOMPARE(m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, QStringLiteral("Star Up"),
                          QStringLiteral("0")),
             QStringLiteral("0"));
}

void TestSettingsStore::onePlainFilePerApplication()
{
    QVERIFY(
        m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::Bold, QStringLiteral("1")));
    QVERIFY(m_store.write(SettingsKeys::Varok, SettingsKeys::Section, SettingsKeys::FirstRunMarker,
                          QStringLiteral("/OPT")));
    QFile pirtok(m_home->filePath(QStringLiteral("Pirtok/Pirtok.ini")));
    QFile varok(m_home->filePath(QStringLiteral("Varok/Varok.ini")));
    QVERIFY(pirtok.open(QIODevice::ReadOnly));
    QVERIFY(varok.open(QIODevice::ReadOnly));
    QCOMPARE(pirtok.readAll(), QByteArray("[Settings]\nBold=1\n"));
    QCOMPARE(varok.readAll(), QByteArray("[Settings]\nKeyboard=/OPT\n"));
    // Each application reads its own file only.
    QCOMPARE(m_store.read(SettingsKeys::Varok, SettingsKeys::Section, SettingsKeys::Bold), QString());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
