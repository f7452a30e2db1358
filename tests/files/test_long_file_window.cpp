#include "autosave/Autosave.h"
#include "files/FileCommands.h"
#include "files/FileDialogs.h"
#include "files/FileHandling.h"
#include "files/SlicedWork.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <QTextDocument>

#include <functional>
#include <map>
#include <memory>
#include <optional>

using codeunits::units;

namespace {

// A text long enough to go into the main text over several turns of the event loop, yet
// quick to test: about 1.5 million code units of Kurdish lines, with no-break spaces and a
// letter beyond the basic plane now and then.
const QString &longText()
{
    static const QString text = [] {
        const QString words[] = {units({0x06A9, 0x0648, 0x0631, 0x062F, 0x06CC}),
                                 units({0x0646, 0x0648, 0x0648, 0x0633, 0x06CC, 0x0646}),
                                 units({0x0695, 0x06C6, 0x0698, 0x00A0, 0x0628, 0x0627, 0x0634}),
                                 units({0xD83D, 0xDE00})};
        QString out;
        for (int i = 0; out.size() < 1'500'000; ++i)
            out += words[i % 4] + (i % 11 == 10 ? u'\n' : u' ');
        return out;
    }();
    return text;
}

// Where two long texts first differ, for a failure message that does not print them whole.
QByteArray firstDifference(const QString &got, const QString &want)
{
    qsizetype at = 0;
    while (at < got.size() && at < want.size() && got.at(at) == want.at(at))
        ++at;
    return QStringLiteral("%1 units against %2, first difference at %3")
        .arg(got.size())
        .arg(want.size())
        .arg(at)
        .toUtf8();
}

#define COMPARE_LONG(got, want) QVERIFY2((got) == (want), firstDifference((got), (want)).constData())

// What the document itself holds, read past anything the box knows without reading it.
QString documentText(UniText &box)
{
    return box.document()->toRawText().replace(QChar(0x2029), QLatin1Char('\n'));
}

} // namespace

class TestLongFileWindow : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;
    FileCommands *commands = nullptr;
    QString longFile;
    int openAsked = 0;
    int saveAsked = 0;
    std::optional<FileDialogs::SaveChoice> saveAnswer;

    bool settled()
    {
        return QTest::qWaitFor([this] { return !commands->busy(); }, 30000);
    }

    // Runs `act` once in the middle of the slices of the next long piece of work: after the
    // first slice, with more to come.
    void duringTheSlices(std::function<void()> act)
    {
        auto *slices = commands->findChild<SlicedWork *>();
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(slices, &SlicedWork::progressed, this, [connection, act](int) {
            QObject::disconnect(*connection);
            act();
        });
    }

    void openTheLongFile()
    {
        QTest::keyClick(form->Text1, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(settled());
    }

private Q_SLOTS:
    void initTestCase()
    {
        longFile = QDir(QDir::tempPath()).filePath(QStringLiteral("pirtok-long-file-test.txt"));
        QFile file(longFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(longText().toUtf8());
    }
    void cleanupTestCase() { QFile::remove(longFile); }

    void init()
    {
        fx.start();
        form = &fx.form();
        commands = &form->findChild<FileHandling *>()->commands();
        openAsked = 0;
        saveAsked = 0;
        FileDialogs::setOpenFunction([this](QWidget *) {
            ++openAsked;
            return longFile;
        });
        FileDialogs::setSaveFunction([this](QWidget *, const QString &, pirtok::files::SaveEncoding) {
            ++saveAsked;
            return saveAnswer;
        });
        QVERIFY(WindowTesting::showActive(form));
        form->Text1->setText(QStringLiteral("before"));
        form->Text1->setFocus();
    }
    void cleanup()
    {
        FileDialogs::setOpenFunction({});
        FileDialogs::setSaveFunction({});
        fx.stop();
    }

    void fillsGraduallyAndWhole()
    {
        QSignalSpy changes(form->Text1, &UniText::change);
        bool sawTheFill = false;
        duringTheSlices([&] {
            sawTheFill = true;
            QVERIFY(form->Text1->isFilling());
            QVERIFY(form->Text1->isLocked());
            // Part of the text is in and shows; what the box gives is already the whole.
            QVERIFY(documentText(*form->Text1).size() < longText().size());
            COMPARE_LONG(form->Text1->text(), longText());
            QVERIFY(form->Label2->caption() != QStringLiteral("%0"));
            QCOMPARE(changes.count(), 0);
            QCOMPARE(form->UndoText, QStringLiteral("before"));
        });
        openTheLongFile();

        QVERIFY(sawTheFill);
        COMPARE_LONG(form->Text1->text(), longText());
        COMPARE_LONG(documentText(*form->Text1), longText());
        QCOMPARE(changes.count(), 1);
        QVERIFY(!form->Text1->isLocked());
        QCOMPARE(form->Text1->selStart(), 0);
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        QCOMPARE(form->Label13->caption(), QStringLiteral("pirtok-long-file-test.txt \u2014 UTF-8"));
        // F2 brings the old text back, and F2 again the file's.
        QTest::keyClick(form->Text1, Qt::Key_F2);
        QCOMPARE(form->Text1->text(), QStringLiteral("before"));
        QTest::keyClick(form->Text1, Qt::Key_F2);
        COMPARE_LONG(form->Text1->text(), longText());
    }

    void commandsDuringTheFillAreRefused_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"F1", "F2", "F4", "F5", "convert label", "undo label", "reverse button",
                                    "replace all label", "Ctrl+O", "Ctrl+S", "typing"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void commandsDuringTheFillAreRefused()
    {
        QFETCH(QString, command);
        form->Text2->setText(QStringLiteral("x"));
        form->Text3->setText(units({0x06A9}));
        saveAnswer = FileDialogs::SaveChoice{QDir(fx.homePath()).filePath(QStringLiteral("out.txt")),
                                             pirtok::files::SaveEncoding::Utf8};
        const std::map<QString, std::function<void()>> commandsByName = {
            {QStringLiteral("F1"), [this] { QTest::keyClick(form->Text1, Qt::Key_F1); }},
            {QStringLiteral("F2"), [this] { QTest::keyClick(form->Text1, Qt::Key_F2); }},
            {QStringLiteral("F4"), [this] { QTest::keyClick(form->Text1, Qt::Key_F4); }},
            {QStringLiteral("F5"), [this] { QTest::keyClick(form->Text1, Qt::Key_F5); }},
            {QStringLiteral("convert label"), [this] { QTest::mouseClick(form->UniLabel5, Qt::LeftButton); }},
            {QStringLiteral("undo label"), [this] { QTest::mouseClick(form->UniLabel4, Qt::LeftButton); }},
            {QStringLiteral("reverse button"),
             [this] { QTest::mouseClick(form->UniButton1, Qt::LeftButton); }},
            {QStringLiteral("replace all label"),
             [this] { QTest::mouseClick(form->Label12, Qt::LeftButton); }},
            {QStringLiteral("Ctrl+O"),
             [this] { QTest::keyClick(form->Text1, Qt::Key_O, Qt::ControlModifier); }},
            {QStringLiteral("Ctrl+S"),
             [this] { QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier); }},
            {QStringLiteral("typing"), [this] { QTest::keyClick(form->Text1, Qt::Key_A, Qt::NoModifier); }},
        };
        duringTheSlices([&] {
            commandsByName.at(command)();
            QVERIFY(form->Text1->isFilling());
        });
        openTheLongFile();

        COMPARE_LONG(form->Text1->text(), longText());
        COMPARE_LONG(documentText(*form->Text1), longText());
        QCOMPARE(form->UndoText, QStringLiteral("before"));
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->Timer2->interval(), 0);
        QCOMPARE(openAsked, 1);
        QCOMPARE(saveAsked, 0);
        QVERIFY(fx.messages.isEmpty());
    }

    // The saves made while the user works write the whole text, never the part that is in.
    void autosaveDuringTheFillWritesTheWholeText()
    {
        duringTheSlices([&] {
            // The window losing the focus saves the unsaved change ("before") at once.
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(form, &deactivate);
            fx.app().autosave().settle();
            COMPARE_LONG(Module1::ReadWholeFile(fx.savedTextPath()), longText());
        });
        openTheLongFile();
    }

    void closeDuringTheFillSavesTheWholeText()
    {
        duringTheSlices([&] { QVERIFY(form->close()); });
        openTheLongFile();
        COMPARE_LONG(Module1::ReadWholeFile(fx.savedTextPath()), longText());
    }

    // A long text is read out a slice at a time too, with the box locked meanwhile.
    void savesALongTextWhole()
    {
        openTheLongFile();
        // An edit, so that the text is read from the box's document.
        QTest::keyClick(form->Text1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(form->Text1, Qt::Key_Return);
        const QString saved = QDir(fx.homePath()).filePath(QStringLiteral("saved.txt"));
        saveAnswer = FileDialogs::SaveChoice{saved, pirtok::files::SaveEncoding::Utf8};
        bool sawTheReading = false;
        duringTheSlices([&] {
            sawTheReading = true;
            QVERIFY(form->Text1->isLocked());
            QTest::keyClick(form->Text1, Qt::Key_Backspace); // refused
        });
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(settled());

        QVERIFY(sawTheReading);
        QVERIFY(!form->Text1->isLocked());
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        COMPARE_LONG(QString::fromUtf8(file.readAll()), longText() + QLatin1Char('\n'));
    }

    // A conversion run locks the main text too: a save meanwhile leaves the lock to the run.
    void saveDuringAConversionLeavesTheRunsLock()
    {
        openTheLongFile();
        QTest::keyClick(form->Text1, Qt::Key_F1);
        QVERIFY(form->Timer1->interval() != 0);
        QVERIFY(form->Text1->isLocked());
        const QString saved = QDir(fx.homePath()).filePath(QStringLiteral("saved.txt"));
        saveAnswer = FileDialogs::SaveChoice{saved, pirtok::files::SaveEncoding::Utf8};
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(settled());

        QVERIFY(form->Timer1->interval() != 0);
        QVERIFY(form->Text1->isLocked());
        QCOMPARE(QFileInfo(saved).size(), longText().toUtf8().size());
    }
};

QTEST_MAIN(TestLongFileWindow)
#include "test_long_file_window.moc"
