#include "shell/Form2.h"
#include "shell/SettingsKeys.h"
#include "tests/shell/MemorySettingsStore.h"
#include "tests/support/CodeUnits.h"
#include "tests/support/WindowTesting.h"

#include <QTest>

using codeunits::codes;
using codeunits::units;

namespace {

const QString Program = QStringLiteral("/home/a b/Pirtok");

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void captions();
    void flows_data();
    void flows();
    void storedTickRewritesEntryOnOpening();
    void realDialogFromItsButton();

private:
    // Opens the dialog, runs the user's `steps` on it, closes it by OK or its close box.
    void runDialog(const QString &steps, bool ok);
    QString startAtLogOn() const
    {
        return m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::StartAtLogOn);
    }

    MemorySettingsStore m_store;
    QStringList m_entries; // every write of the log-on entry
    int m_boxWhenOpened = -1;
};

void TestForm2::init()
{
    m_store = MemorySettingsStore();
    m_entries.clear();
}

void TestForm2::runDialog(const QString &steps, bool ok)
{
    Form2 dialog(m_store, Program, [this](const QString &executable) {
        m_entries << executable;
        return WriteResult::done();
    });
    m_boxWhenOpened = dialog.Check1->value();
    for (QChar step : steps) {
        if (step == u'b')
            QTest::mouseClick(dialog.Check1, Qt::LeftButton);
        else if (step == u't')
            QTest::mouseClick(dialog.UniLabel1, Qt::LeftButton);
    }
    if (ok)
        QTest::mouseClick(dialog.ctlUniButtonImageXP1, Qt::LeftButton);
    else
        dialog.reject(); // the close box
}

void TestForm2::captions()
{
    Form2 dialog(m_store, Program, [](const QString &) { return WriteResult::done(); });
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Key Board Setting"));
    QCOMPARE(codes(dialog.UniLabel1->caption()),
             codes(units({0x0643, 0x0627, 0x0631, 0x0020, 0x0628, 0x0643, 0x0627, 0x062A, 0x0020, 0x0644,
                          0x0647, 0x200C, 0x0643, 0x0627, 0x062A, 0x0649, 0x0020, 0x0633, 0x0647, 0x200C,
                          0x0631, 0x0647, 0x200C, 0x062A, 0x0627, 0x0649, 0x0020, 0x0643, 0x06C6, 0x0645,
                          0x067E, 0x064A, 0x0648, 0x062A, 0x0647, 0x200C, 0x0631})));
    QCOMPARE(codes(dialog.ctlUniButtonImageXP1->caption()),
             codes(units({0x062A, 0x0647, 0x200C, 0x0648, 0x0627, 0x0648})));
    QCOMPARE(dialog.Check1->value(), 0);
    QVERIFY(m_entries.isEmpty());
}

void TestForm2::flows_data()
{
    // steps: b = a click on the box, t = a click on its text.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("boxOnReopening");
    QTest::newRow("tick and OK") << QString() << QStringLiteral("b") << true << QStringList{Program}
                                 << QStringLiteral("1") << 1;
    QTest::newRow("clear and OK") << QStringLiteral("1") << QStringLiteral("b") << true
                                  << QStringList{Program, QString()} << QStringLiteral("0") << 0;
    QTest::newRow("text twice writes four times")
        << QString() << QStringLiteral("tt") << true << QStringList{Program, Program, QString(), QString()}
        << QStringLiteral("0") << 0;
    QTest::newRow("tick and close box stores nothing")
        << QString() << QStringLiteral("b") << false << QStringList{Program} << QString() << 0;
}

void TestForm2::flows()
{
    QFETCH(QString, stored);
    QFETCH(QString, steps);
    QFETCH(bool, ok);
    QFETCH(QStringList, entries);
    QFETCH(QString, storedAfter);
    QFETCH(int, boxOnReopening);
    if (!stored.isNull())
        QVERIFY(m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::StartAtLogOn, stored)
                    .ok());
    runDialog(steps, ok);
    // Opening with a stored tick writes the entry once before any click.
    QCOMPARE(m_entries, entries);
    QCOMPARE(startAtLogOn(), storedAfter);

    m_entries.clear();
    runDialog(QString(), false);
    QCOMPARE(m_boxWhenOpened, boxOnReopening);
}

void TestForm2::storedTickRewritesEntryOnOpening()
{
    QVERIFY(m_store
                .write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::StartAtLogOn,
                       QStringLiteral("1"))
                .ok());
    runDialog(QString(), false);
    QCOMPARE(m_boxWhenOpened, 1);
    QCOMPARE(m_entries, QStringList{Program});

    // A value the box refuses leaves it clear and writes nothing.
    m_entries.clear();
    QVERIFY(m_store
                .write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::StartAtLogOn,
                       QStringLiteral("9"))
                .ok());
    runDialog(QString(), false);
    QCOMPARE(m_boxWhenOpened, 0);
    QVERIFY(m_entries.isEmpty());
}

void TestForm2::realDialogFromItsButton()
{
    // Modal, as the settings symbol opens it: the OK button ends exec().
    Form2 dialog(m_store, Program, [this](const QString &executable) {
        m_entries << executable;
        return WriteResult::done();
    });
    WindowTesting::onNextModal([](QWidget *shown) {
        auto *form2 = qobject_cast<Form2 *>(shown);
        QVERIFY(form2);
        QTest::mouseClick(form2->Check1, Qt::LeftButton);
        QTest::mouseClick(form2->ctlUniButtonImageXP1, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(startAtLogOn(), QStringLiteral("1"));
    QCOMPARE(m_entries, QStringList{Program});
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
