#include "app/Form3Unload.h"
#include "app/PirtokApp.h"
#include "app/SavedTextSaver.h"
#include "shell/Module1.h"
#include "tests/shell/MemorySettingsStore.h"
#include "tests/support/AppFixture.h"
#include "tests/support/CodeUnits.h"
#include "tests/support/FileMode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using codeunits::units;

class TestClose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { fx.stop(); }

    void savesInOrderOnceThenTheText();
    void endingSignalSaves_data();
    void endingSignalSaves();
    void unreadableSavedTextIsKept();

private:
    AppFixture fx;
};

void TestClose::savesInOrderOnceThenTheText()
{
    QTemporaryDir tmp;
    qputenv("TMP", tmp.path().toUtf8());
    MemorySettingsStore store;
    Form3 form;
    SavedTextSaver saver;
    auto *unload = new Form3Unload(form, store, saver);

    form.Combo2->addItems({QStringLiteral("8"), QStringLiteral("10")});
    form.Combo2->setListIndex(1);
    form.Combo3->addItems({QStringLiteral("a"), QStringLiteral("b")});
    form.Combo3->setListIndex(0);
    form.Check2->setValue(1);
    form.Check5->setValue(1);
    form.Text3->setText(QStringLiteral(" find me  "));
    form.Text2->setText(QStringLiteral(" "));
    form.TT1[3]->setText(units({0x0695}));
    form.Text1->setText(QStringLiteral("  kept as it is \n"));

    form.close();
    const QString ra = units({0x0695});
    QCOMPARE(store.writes,
             QStringList({QStringLiteral("Pirtok/fontsize=1"), QStringLiteral("Pirtok/fontname=-1"),
                          QStringLiteral("Pirtok/Convert=0"), QStringLiteral("Pirtok/Arabic=0"),
                          QStringLiteral("Pirtok/Bold=1"), QStringLiteral("Pirtok/Italic=0"),
                          QStringLiteral("Pirtok/Black=0"), QStringLiteral("Pirtok/R-L=1"),
                          QStringLiteral("Pirtok/Text_1=find me"), QStringLiteral("Pirtok/Text_2="),
                          QStringLiteral("Pirtok/Text0="), QStringLiteral("Pirtok/Text1="),
                          QStringLiteral("Pirtok/Text2="), QStringLiteral("Pirtok/Text3=") + ra,
                          QStringLiteral("Pirtok/Text4="), QStringLiteral("Pirtok/Text5="),
                          QStringLiteral("Pirtok/Text6="), QStringLiteral("Pirtok/Text7="),
                          QStringLiteral("Pirtok/fontfamily=")}));
    const QString saved = tmp.filePath(QStringLiteral("Text.ini"));
    QCOMPARE(Module1::ReadWholeFile(saved), QStringLiteral("  kept as it is \n"));
    QCOMPARE(modeOf(saved), 0600);

    // The session's end after the close saves nothing more.
    store.writes.clear();
    unload->run();
    QVERIFY(store.writes.isEmpty());
}

void TestClose::endingSignalSaves_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestClose::endingSignalSaves()
{
    QFETCH(int, signal);
    fx.start();
    fx.form().Text1->setText(QStringLiteral("the day's text"));
    fx.form().Check4->setValue(1);
    QVERIFY(!fx.app().unload().hasRun());

    std::raise(signal);
    QTRY_VERIFY(fx.app().unload().hasRun());
    QCOMPARE(Module1::ReadWholeFile(fx.savedTextPath()), QStringLiteral("the day's text"));

    fx.stop();
    fx.start(AppFixture::Files::Keep);
    QCOMPARE(fx.form().Text1->text(), QStringLiteral("the day's text"));
    QCOMPARE(fx.form().Check4->value(), 1);
}

void TestClose::unreadableSavedTextIsKept()
{
    // Something is in the saved text's place that cannot be read as it.
    fx.start();
    fx.stop();
    const QDir tmp = QFileInfo(fx.savedTextPath()).dir();
    QVERIFY(QFile::remove(fx.savedTextPath()));
    QVERIFY(tmp.mkpath(QStringLiteral("Text.ini")));
    QFile inside(tmp.filePath(QStringLiteral("Text.ini/inside")));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.close();

    fx.start(AppFixture::Files::Keep);
    QCOMPARE(fx.form().Text1->text(), QString());
    fx.form().Text1->setText(QStringLiteral("new"));
    fx.stop();

    QVERIFY(QFileInfo::exists(tmp.filePath(QStringLiteral("Text.ini.kept/inside"))));
    QCOMPARE(Module1::ReadWholeFile(fx.savedTextPath()), QStringLiteral("new"));
}

QTEST_MAIN(TestClose)
#include "test_close.moc"
