#include "app/Form3Unload.h"
#include "app/PirtokApp.h"
#include "autosave/SavedTextSaver.h"
#include "shell/MessageBoxStyle.h"
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

using codeunits::codes;
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
    void failedSaveAsks_data();
    void failedSaveAsks();
    void failedSettingsWriteIsInTheSameQuestion();
    void signalWritesTheTextAside_data();
    void signalWritesTheTextAside();

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

namespace {

// "the text could not be saved to " ... "close anyway?", by code point.
QString notSavedTo()
{
    return units({0x0646, 0x06D5, 0x062A, 0x0648, 0x0627, 0x0646, 0x0631, 0x0627, 0x0020,
                  0x062F, 0x06D5, 0x0642, 0x06D5, 0x06A9, 0x06D5, 0x0020, 0x067E, 0x0627,
                  0x0634, 0x06D5, 0x06A9, 0x06D5, 0x0648, 0x062A, 0x0020, 0x0628, 0x06A9,
                  0x0631, 0x06CE, 0x062A, 0x0020, 0x0644, 0x06D5, 0x0020});
}

QString closeAnyway()
{
    return units(
        {0x0647, 0x06D5, 0x0631, 0x0020, 0x062F, 0x0627, 0x0628, 0x062E, 0x0631, 0x06CE, 0x062A, 0x061F});
}

// A place no file can be written: its folder would be inside a plain file.
QString blockedFolder(const AppFixture &fx)
{
    const QString file = QDir(fx.homePath()).filePath(QStringLiteral("a-file"));
    QFile plain(file);
    if (plain.open(QIODevice::WriteOnly))
        plain.write("x");
    return file + QStringLiteral("/tmp");
}

} // namespace

void TestClose::failedSaveAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No keeps the window") << int(MessageBoxCodes::No);
    QTest::newRow("Yes closes") << int(MessageBoxCodes::Yes);
}

void TestClose::failedSaveAsks()
{
    QFETCH(int, answer);
    fx.start();
    fx.app().show();
    fx.form().Text1->setText(QStringLiteral("not lost"));
    const QString blocked = blockedFolder(fx);
    qputenv("TMP", blocked.toUtf8());
    fx.messageAnswer = answer;

    QCOMPARE(fx.form().close(), answer == MessageBoxCodes::Yes);
    QCOMPARE(fx.messages.size(), 1);
    const QString path = QDir(blocked).filePath(QStringLiteral("Text.ini"));
    QCOMPARE(codes(fx.messages[0].prompt),
             codes(notSavedTo() + path + QStringLiteral("\n\n") + closeAnyway()));
    QCOMPARE(fx.messages[0].buttons, 4);
    QCOMPARE(fx.form().isVisible(), answer == MessageBoxCodes::No);
    if (answer == MessageBoxCodes::Yes)
        return;

    // The text is still there, and a close that can save now closes without a word.
    QCOMPARE(fx.form().Text1->text(), QStringLiteral("not lost"));
    QVERIFY(!fx.app().unload().hasRun());
    qputenv("TMP", QDir(fx.homePath()).filePath(QStringLiteral("tmp")).toUtf8());
    QVERIFY(fx.form().close());
    QCOMPARE(fx.messages.size(), 1);
    QCOMPARE(Module1::ReadWholeFile(fx.savedTextPath()), QStringLiteral("not lost"));
}

void TestClose::failedSettingsWriteIsInTheSameQuestion()
{
    fx.start();
    fx.app().show();
    const QString settings = QDir(fx.configPath()).filePath(QStringLiteral("Pirtok/Pirtok.ini"));
    QFile::remove(settings);
    QVERIFY(QDir().mkpath(settings));
    const QString blocked = blockedFolder(fx);
    qputenv("TMP", blocked.toUtf8());
    fx.messageAnswer = MessageBoxCodes::No;

    QVERIFY(!fx.form().close());
    QCOMPARE(fx.messages.size(), 1);
    const QString text = QDir(blocked).filePath(QStringLiteral("Text.ini"));
    QCOMPARE(codes(fx.messages[0].prompt),
             codes(notSavedTo() + text + u'\n' + settings + QStringLiteral("\n\n") + closeAnyway()));

    // Only the settings fail: their file alone is named.
    qputenv("TMP", QDir(fx.homePath()).filePath(QStringLiteral("tmp")).toUtf8());
    QVERIFY(!fx.form().close());
    QCOMPARE(fx.messages.size(), 2);
    QCOMPARE(codes(fx.messages[1].prompt),
             codes(notSavedTo() + settings + QStringLiteral("\n\n") + closeAnyway()));
    fx.messageAnswer = MessageBoxCodes::Yes;
}

void TestClose::signalWritesTheTextAside_data()
{
    QTest::addColumn<bool>("folderFails");
    // The file's place is taken by a folder: the text goes beside it.
    QTest::newRow("the file fails") << false;
    // The folder cannot be made: the text goes to this user's state folder.
    QTest::newRow("the folder fails") << true;
}

void TestClose::signalWritesTheTextAside()
{
    QFETCH(bool, folderFails);
    fx.start();
    fx.form().Text1->setText(QStringLiteral("rescued"));
    QString folder = QDir(fx.homePath()).filePath(QStringLiteral("tmp"));
    if (folderFails) {
        qputenv("TMP", blockedFolder(fx).toUtf8());
        folder = QDir(fx.homePath()).filePath(QStringLiteral("state/Pirtok"));
    } else {
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Text.ini")));
    }

    std::raise(SIGTERM);
    QTRY_VERIFY(fx.app().unload().hasRun());
    const QStringList aside = QDir(folder).entryList({QStringLiteral("Text.ini.unsaved-*")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(Module1::ReadWholeFile(QDir(folder).filePath(aside[0])), QStringLiteral("rescued"));
    QCOMPARE(modeOf(QDir(folder).filePath(aside[0])), 0600);
    QCOMPARE(fx.messages.size(), 0);
    qputenv("TMP", QDir(fx.homePath()).filePath(QStringLiteral("tmp")).toUtf8());
}

QTEST_MAIN(TestClose)
#include "test_close.moc"
