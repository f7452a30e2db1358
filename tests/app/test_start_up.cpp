#include "app/PirtokApp.h"
#include "shell/Form2.h"
#include "shell/IniSettingsStore.h"
#include "shell/SettingsKeys.h"
#include "tests/support/AppFixture.h"
#include "tests/support/CodeUnits.h"
#include "tests/support/WindowTesting.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QScreen>
#include <QTest>

using codeunits::codes;
using codeunits::units;

namespace {

QString stored(const QString &application, const QString &key)
{
    return IniSettingsStore().read(application, SettingsKeys::Section, key, QStringLiteral("<missing>"));
}

void store(const QString &key, const QString &text)
{
    QVERIFY(IniSettingsStore().write(SettingsKeys::Pirtok, SettingsKeys::Section, key, text).ok());
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { fx.stop(); }

    void firstStart();
    void restartBringsEverythingBack();
    void storedValues_data();
    void storedValues();
    void fontByName_data();
    void fontByName();
    void fontNotInTheListComesBack();
    void settingsSymbolOpensTheLogOnDialog();
    void aWritersDayComesBackTomorrow();

private:
    QStringList launchers() const
    {
        return QDir(fx.desktopPath()).entryList({QStringLiteral("*.desktop")}, QDir::Files);
    }
    // A later start on this machine, with the choices the test stores first.
    void startAgainWith(const QList<QPair<QString, QString>> &values);

    AppFixture fx;
};

void TestStartUp::firstStart()
{
    fx.start();
    Form3 &form = fx.form();
    const QString folder = QCoreApplication::applicationDirPath();

    QCOMPARE(stored(SettingsKeys::Varok, SettingsKeys::CommandLine),
             QCoreApplication::arguments().mid(1).join(u' '));
    QCOMPARE(stored(SettingsKeys::Varok, SettingsKeys::ProgramFolder), folder);
    QCOMPARE(stored(SettingsKeys::Varok, SettingsKeys::FirstRunMarker), folder.toUpper());
    QCOMPARE(launchers().size(), 1);

    QCOMPARE(form.Combo1->listCount(), QFontDatabase::families().size());
    QCOMPARE(form.Combo1->text(), QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(form.Combo2->listCount(), 34);
    QCOMPARE(form.Combo2->itemText(33), QStringLiteral("74"));
    QCOMPARE(form.Combo2->text(), QStringLiteral("8"));
    QCOMPARE(form.Combo3->listCount(), 9);
    QCOMPARE(form.Combo3->listIndex(), 0);
    for (CheckBox *box : {form.Check1, form.Check2, form.Check3, form.Check4, form.Check5})
        QCOMPARE(box->value(), 0);
    QCOMPARE(form.Text1->text(), QString());
    QCOMPARE(form.Text2->text(), QString());
    QCOMPARE(form.Text3->text(), QString());
    for (UniText *box : form.TT1)
        QCOMPARE(box->text(), QString());
    QCOMPARE(form.Label2->caption(), QStringLiteral("%0"));
    QCOMPARE(form.Text1->fontSize(), 8.0);

    const QRect screen = form.screen()->geometry();
    QCOMPARE(form.pos(), QPoint((screen.width() - form.frameGeometry().width()) / 2,
                                (screen.height() - form.frameGeometry().height()) / 2));
    // The dialogs are made only when they are shown.
    QVERIFY(form.findChildren<QDialog *>().isEmpty());
}

void TestStartUp::restartBringsEverythingBack()
{
    fx.start();
    Form3 *form = &fx.form();
    QVERIFY(QFile::remove(QDir(fx.desktopPath()).filePath(launchers().value(0))));

    const QString text = QStringLiteral("  first line\n\n") + units({0x06D5, 0xD83D, 0xDE00}) + u' ';
    form->Text1->setText(text);
    form->Combo1->setListIndex(form->Combo1->listCount() > 2 ? 2 : 0);
    form->Combo2->setListIndex(5);
    form->Combo3->setListIndex(1);
    QTest::mouseClick(form->UniLabel6, Qt::LeftButton); // bold
    QTest::mouseClick(form->Check4, Qt::LeftButton);    // black
    form->Text3->setText(QStringLiteral("  word "));
    form->Text2->setText(units({0x0695}));
    form->TT1[0]->setText(QStringLiteral(" "));
    form->TT1[1]->setText(units({0x06B5}));
    const int fontIndex = form->Combo1->listIndex();

    fx.stop();
    fx.start(AppFixture::Files::Keep);
    form = &fx.form();

    QVERIFY(launchers().isEmpty());
    QCOMPARE(codes(form->Text1->text()), codes(text));
    QCOMPARE(form->Combo1->listIndex(), fontIndex);
    QCOMPARE(form->Text1->fontName(), form->Combo1->text());
    QCOMPARE(form->Combo2->text(), QStringLiteral("18"));
    QCOMPARE(form->Text1->fontSize(), 18.0);
    QCOMPARE(form->Combo3->listIndex(), 1);
    QCOMPARE(form->Check2->value(), 1);
    QCOMPARE(form->UniLabel6->topTwips(), 525);
    QVERIFY(form->Text1->font().bold());
    QCOMPARE(form->Check4->value(), 1);
    QCOMPARE(form->Text1->backColor(), QColor(0, 0, 0));
    QCOMPARE(form->Text3->text(), QStringLiteral("word"));
    QCOMPARE(codes(form->Text2->text()), codes(units({0x0695})));
    QCOMPARE(form->TT1[0]->text(), QString());
    QCOMPARE(codes(form->TT1[1]->text()), codes(units({0x06B5})));
}

void TestStartUp::startAgainWith(const QList<QPair<QString, QString>> &values)
{
    fx.start();
    fx.stop();
    for (const auto &[key, text] : values)
        store(key, text);
    fx.start(AppFixture::Files::Keep);
}

void TestStartUp::storedValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("expected");
    QTest::newRow("no font was selected")
        << QStringLiteral("fontname") << QStringLiteral("-1") << QStringLiteral("Combo1") << -1;
    QTest::newRow("font by position")
        << QStringLiteral("fontname") << QStringLiteral("1") << QStringLiteral("Combo1") << 1;
    QTest::newRow("font not a number")
        << QStringLiteral("fontname") << QStringLiteral("abc") << QStringLiteral("Combo1") << -1;
    QTest::newRow("font out of range")
        << QStringLiteral("fontname") << QStringLiteral("30000") << QStringLiteral("Combo1") << -1;
    QTest::newRow("size by position")
        << QStringLiteral("fontsize") << QStringLiteral("3") << QStringLiteral("Combo2") << 3;
    QTest::newRow("size number then letters")
        << QStringLiteral("fontsize") << QStringLiteral(" 4pt") << QStringLiteral("Combo2") << 4;
    QTest::newRow("size out of range")
        << QStringLiteral("fontsize") << QStringLiteral("34") << QStringLiteral("Combo2") << -1;
    QTest::newRow("direction 1") << QStringLiteral("Convert") << QStringLiteral("1")
                                 << QStringLiteral("Combo3") << 1;
    QTest::newRow("direction abc reads 0")
        << QStringLiteral("Convert") << QStringLiteral("abc") << QStringLiteral("Combo3") << 0;
    QTest::newRow("direction 8, the last")
        << QStringLiteral("Convert") << QStringLiteral("8") << QStringLiteral("Combo3") << 8;
    QTest::newRow("direction out of range")
        << QStringLiteral("Convert") << QStringLiteral("9") << QStringLiteral("Combo3") << -1;
    QTest::newRow("bold 9 is refused")
        << QStringLiteral("Bold") << QStringLiteral("9") << QStringLiteral("Check2") << 0;
    QTest::newRow("italic 0.6 rounds to 1")
        << QStringLiteral("Italic") << QStringLiteral("0.6") << QStringLiteral("Check3") << 1;
    QTest::newRow("Arabic mode") << QStringLiteral("Arabic") << QStringLiteral("1")
                                 << QStringLiteral("Check1") << 1;
    QTest::newRow("left to right") << QStringLiteral("R-L") << QStringLiteral("1") << QStringLiteral("Check5")
                                   << 1;
}

void TestStartUp::storedValues()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, control);
    QFETCH(int, expected);
    startAgainWith({{key, value}});
    QObject *found = fx.form().findChild<QObject *>(control);
    QVERIFY(found);
    if (auto *combo = qobject_cast<ComboBox *>(found)) {
        // A refused index leaves the list as its filling left it: nothing selected.
        QCOMPARE(combo->listIndex(), expected);
    } else {
        QCOMPARE(qobject_cast<CheckBox *>(found)->value(), expected);
    }
}

void TestStartUp::fontByName_data()
{
    const QStringList families = QFontDatabase::families();
    if (families.size() < 3)
        QSKIP("needs three installed font families");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("index");
    QTest::addColumn<int>("expected");
    // The list moved since the close: the index now names another font, the name still
    // names the chosen one.
    QTest::newRow("installed family, moved") << families[2] << QStringLiteral("0") << 2;
    QTest::newRow("installed family, index gone") << families[1] << QStringLiteral("30000") << 1;
    QTest::newRow("family removed: by index")
        << QStringLiteral("No Such Family Here") << QStringLiteral("1") << 1;
    QTest::newRow("no family stored: by index") << QString() << QStringLiteral("2") << 2;
}

void TestStartUp::fontByName()
{
    QFETCH(QString, family);
    QFETCH(QString, index);
    QFETCH(int, expected);
    QList<QPair<QString, QString>> values{{QStringLiteral("fontname"), index}};
    if (!family.isEmpty())
        values.append({QStringLiteral("fontfamily"), family});
    startAgainWith(values);
    QCOMPARE(fx.form().Combo1->listIndex(), expected);
}

void TestStartUp::fontNotInTheListComesBack()
{
    const QString fallback = QStringLiteral("Microsoft Sans Serif");
    if (QFontDatabase::families().contains(fallback))
        QSKIP("the fallback font is installed here");
    // The first start's font is no entry of the list; closes and starts keep it all the same.
    fx.start();
    QCOMPARE(fx.form().Combo1->text(), fallback);
    fx.stop();
    QCOMPARE(stored(SettingsKeys::Pirtok, QStringLiteral("fontname")), QStringLiteral("-1"));
    QCOMPARE(stored(SettingsKeys::Pirtok, QStringLiteral("fontfamily")), fallback);
    for (int start = 0; start < 2; ++start) {
        fx.start(AppFixture::Files::Keep);
        QCOMPARE(fx.form().Combo1->text(), fallback);
        QCOMPARE(fx.form().Combo1->listIndex(), -1);
        fx.stop();
    }
}

void TestStartUp::settingsSymbolOpensTheLogOnDialog()
{
    fx.start();
    WindowTesting::onNextModal([](QWidget *dialog) {
        auto *form2 = qobject_cast<Form2 *>(dialog);
        QVERIFY(form2);
        QTest::mouseClick(form2->UniLabel1, Qt::LeftButton);
        QTest::mouseClick(form2->ctlUniButtonImageXP1, Qt::LeftButton);
    });
    QTest::mouseClick(fx.form().Label3, Qt::LeftButton);
    QCOMPARE(stored(SettingsKeys::Pirtok, SettingsKeys::StartAtLogOn), QStringLiteral("1"));
    QFile entry(QDir(fx.configPath()).filePath(QStringLiteral("autostart/Varok.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("\nExec=" + QFile::encodeName(QCoreApplication::applicationFilePath()) +
                                     '\n'));
    QVERIFY(fx.form().findChildren<QDialog *>().isEmpty());
}

void TestStartUp::aWritersDayComesBackTomorrow()
{
    fx.start();
    QCOMPARE(launchers().size(), 1);
    Form3 *form = &fx.form();

    // Kurdish typing: the Arabic keys give Kurdish letters.
    WindowTesting::typeText(form->Text1, units({0x0644, 0x0020, 0x0648}));
    const QString typed = form->Text1->text();
    QVERIFY(!typed.isEmpty());
    const int font = form->Combo1->listCount() - 1;
    form->Combo1->setCurrentIndex(font);
    Q_EMIT form->Combo1->activated(font); // the user picks the last font
    WindowTesting::typeText(form->TT1[0], QStringLiteral("a"));
    WindowTesting::typeText(form->TT1[1], units({0x06B5}));
    WindowTesting::onNextModal([](QWidget *dialog) {
        auto *form2 = qobject_cast<Form2 *>(dialog);
        QVERIFY(form2);
        QTest::mouseClick(form2->Check1, Qt::LeftButton);
        QTest::mouseClick(form2->ctlUniButtonImageXP1, Qt::LeftButton);
    });
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    fx.stop();

    fx.start(AppFixture::Files::Keep);
    form = &fx.form();
    QCOMPARE(launchers().size(), 1);
    QCOMPARE(codes(form->Text1->text()), codes(typed));
    QCOMPARE(form->Combo1->listIndex(), font);
    QCOMPARE(form->TT1[0]->text(), QStringLiteral("a"));
    QCOMPARE(codes(form->TT1[1]->text()), codes(units({0x06B5})));
    WindowTesting::onNextModal([](QWidget *dialog) {
        auto *form2 = qobject_cast<Form2 *>(dialog);
        QVERIFY(form2);
        QCOMPARE(form2->Check1->value(), 1);
        form2->reject();
    });
    QTest::mouseClick(form->Label3, Qt::LeftButton);
}

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
