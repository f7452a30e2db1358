#include "files/BoxContextMenu.h"
#include "files/FileCommands.h"
#include "files/FileDialogs.h"
#include "files/FileHandling.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace pirtok::files;
using codeunits::codes;
using codeunits::units;

Q_DECLARE_METATYPE(pirtok::files::SaveEncoding)

namespace {

// "ڕۆژ" (Unicode Kurdish) and the Kurdish-font "كورد" that cp1256 holds.
const QString Rozh = units({0x0695, 0x06C6, 0x0698});
const QString Kurd = units({0x0643, 0x0648, 0x0631, 0x062F});

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList actionTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : codes(action->text()));
    return texts;
}

} // namespace

class TestFilesWindow : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;
    FileCommands *commands = nullptr;
    QString folder;
    // What the scripted dialogs answer, and how often they were asked.
    QString openAnswer;
    std::optional<FileDialogs::SaveChoice> saveAnswer;
    int saveAsked = 0;
    SaveEncoding offeredEncoding = SaveEncoding::Utf8;

    QString file(const char *name) const { return QDir(folder).filePath(QLatin1String(name)); }

    // Waits for the work a command started.
    bool settled()
    {
        return QTest::qWaitFor([this] { return !commands->busy(); }, 20000);
    }

    void openThroughTheDialog(const QString &path)
    {
        openAnswer = path;
        QTest::keyClick(form->Text1, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(settled());
    }

    void saveAs(const QString &path, SaveEncoding encoding)
    {
        saveAnswer = FileDialogs::SaveChoice{path, encoding};
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(settled());
    }

    void drop(QWidget *target, const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
        QVERIFY(settled());
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        commands = &form->findChild<FileHandling *>()->commands();
        folder = QDir(fx.homePath()).filePath(QStringLiteral("texts"));
        QDir().mkpath(folder);
        openAnswer.clear();
        saveAnswer.reset();
        saveAsked = 0;
        FileDialogs::setOpenFunction([this](QWidget *) { return openAnswer; });
        FileDialogs::setSaveFunction([this](QWidget *, const QString &, SaveEncoding current) {
            ++saveAsked;
            offeredEncoding = current;
            return saveAnswer;
        });
        QVERIFY(WindowTesting::showActive(form));
        form->Text1->setFocus();
    }
    void cleanup()
    {
        FileDialogs::setOpenFunction({});
        FileDialogs::setSaveFunction({});
        fx.stop();
    }

    void opensEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");

        QTest::newRow("UTF-8") << QByteArray("\xDA\x95\xDB\x86\xDA\x98") << Rozh << QStringLiteral("UTF-8");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xDA\x95\xDB\x86\xDA\x98") << Rozh
                                    << QStringLiteral("UTF-8 BOM");
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE\x95\x06\xC6\x06\x98\x06", 8) << Rozh
                                  << QStringLiteral("UTF-16LE");
        QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\x06\x95\x06\xC6\x06\x98", 8) << Rozh
                                  << QStringLiteral("UTF-16BE");
        QTest::newRow("cp1256") << QByteArray("\xDF\xE6\xD1\xCF") << Kurd << QStringLiteral("cp1256");
        // Windows line breaks show as lines.
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringLiteral("a\nb") << QStringLiteral("UTF-8");
    }
    void opensEachEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        put(file("in.txt"), bytes);
        form->Text1->setText(QStringLiteral("before"));
        openThroughTheDialog(file("in.txt"));

        QCOMPARE(codes(form->Text1->text()), codes(text));
        QCOMPARE(form->Label13->caption(), QStringLiteral("in.txt \u2014 ") + encoding);
        QCOMPARE(commands->currentPath(), file("in.txt"));
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        // F2 brings the old text back, and F2 again the file's.
        QTest::keyClick(form->Text1, Qt::Key_F2);
        QCOMPARE(form->Text1->text(), QStringLiteral("before"));
        QTest::keyClick(form->Text1, Qt::Key_F2);
        QCOMPARE(codes(form->Text1->text()), codes(text));
    }

    void refusedFileLeavesTheText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("offset");
        QTest::newRow("bad UTF-8 after its mark") << QByteArray("\xEF\xBB\xBF"
                                                                "abc\xC0\x80")
                                                  << QStringLiteral("6");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0", 10) << QStringLiteral("8");
    }
    void refusedFileLeavesTheText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, offset);
        put(file("bad.txt"), bytes);
        form->Text1->setText(QStringLiteral("kept"));
        const QString title = form->Label13->caption();
        openThroughTheDialog(file("bad.txt"));

        QCOMPARE(form->Text1->text(), QStringLiteral("kept"));
        QCOMPARE(form->Label13->caption(), title);
        QCOMPARE(commands->currentPath(), QString());
        QCOMPARE(fx.messages.size(), 1);
        const QString message = fx.messages.constFirst().prompt;
        QVERIFY2(message.contains(QStringLiteral("\u00ABbad.txt\u00BB")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1Char(' ') + offset + QLatin1Char(' ')), qPrintable(message));
        // The undo snapshot was not touched: F2 does not bring back an older text.
        QCOMPARE(form->UndoText, QString());
    }

    void missingFileIsToldWithTheReason()
    {
        form->Text1->setText(QStringLiteral("kept"));
        openThroughTheDialog(file("none.txt"));
        QCOMPARE(form->Text1->text(), QStringLiteral("kept"));
        QCOMPARE(fx.messages.size(), 1);
        const QString message = fx.messages.constFirst().prompt;
        QVERIFY2(message.contains(QStringLiteral("\u00ABnone.txt\u00BB")), qPrintable(message));
        // The system's reason follows the Kurdish words.
        QVERIFY2(message.section(QStringLiteral(": "), 1).size() > 3, qPrintable(message));
    }

    void cancelledOpenChangesNothing()
    {
        form->Text1->setText(QStringLiteral("kept"));
        openThroughTheDialog(QString());
        QCOMPARE(form->Text1->text(), QStringLiteral("kept"));
        QVERIFY(fx.messages.isEmpty());
    }

    void dropOpensTheFile_data()
    {
        QTest::addColumn<bool>("onTheBox");
        QTest::newRow("on the main text") << true;
        QTest::newRow("on the window") << false;
    }
    void dropOpensTheFile()
    {
        QFETCH(bool, onTheBox);
        put(file("dropped.txt"), QByteArray("\xDF\xE6\xD1\xCF"));
        form->Text1->setText(QStringLiteral("before"));
        drop(onTheBox ? form->Text1->viewport() : static_cast<QWidget *>(form), {file("dropped.txt")});
        QCOMPARE(codes(form->Text1->text()), codes(Kurd)); // the text, not its address
        QCOMPARE(commands->currentPath(), file("dropped.txt"));
        QVERIFY(fx.messages.isEmpty());
    }

    void severalDroppedFilesAreJoined()
    {
        put(file("one.txt"), QByteArray("\xDA\x95"));
        put(file("two.txt"), QByteArray("\xDF\xE6"));
        drop(form->Text1->viewport(), {file("one.txt"), file("two.txt")});
        QCOMPARE(codes(form->Text1->text()), codes(units({0x0695, 0x0A, 0x0643, 0x0648})));
        QCOMPARE(form->Label13->caption(),
                 QStringLiteral("one.txt \u2014 UTF-8 \u00B7 two.txt \u2014 cp1256"));
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages.constFirst().prompt.startsWith(QStringLiteral("2 ")));
        // The joined text is no one file's: Ctrl+S asks for a name rather than overwrite one.
        QCOMPARE(commands->currentPath(), QString());
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saveAsked, 1);
        QCOMPARE(contents(file("one.txt")), QByteArray("\xDA\x95"));
    }

    void oneRefusedDroppedFileRefusesAll()
    {
        put(file("one.txt"), QByteArray("fine"));
        put(file("two.txt"), QByteArray("bad\0", 4));
        form->Text1->setText(QStringLiteral("kept"));
        drop(form, {file("one.txt"), file("two.txt")});
        QCOMPARE(form->Text1->text(), QStringLiteral("kept"));
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages.constFirst().prompt.contains(QStringLiteral("\u00ABtwo.txt\u00BB")));
    }

    void saveAsWritesEachEncoding_data()
    {
        QTest::addColumn<SaveEncoding>("encoding");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << SaveEncoding::Utf8 << Rozh << QByteArray("\xDA\x95\xDB\x86\xDA\x98");
        QTest::newRow("UTF-16LE") << SaveEncoding::Utf16Le << Rozh
                                  << QByteArray("\xFF\xFE\x95\x06\xC6\x06\x98\x06", 8);
        QTest::newRow("cp1256") << SaveEncoding::Cp1256 << Kurd << QByteArray("\xDF\xE6\xD1\xCF");
    }
    void saveAsWritesEachEncoding()
    {
        QFETCH(SaveEncoding, encoding);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        form->Text1->setText(text);
        saveAs(file("out.txt"), encoding);
        QCOMPARE(contents(file("out.txt")).toHex(' '), bytes.toHex(' '));
        QCOMPARE(commands->currentPath(), file("out.txt"));
        QCOMPARE(form->Label13->caption(), QStringLiteral("out.txt \u2014 ") + encodingName(encoding));
        QVERIFY(fx.messages.isEmpty());

        // Ctrl+S then writes the same file the same way, without asking.
        form->Text1->setText(text + text);
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(settled());
        QCOMPARE(saveAsked, 1);
        QCOMPARE(contents(file("out.txt")).size(),
                 2 * bytes.size() - (encoding == SaveEncoding::Utf16Le ? 2 : 0));
    }

    // A legacy file opened, converted and saved: Ctrl+S writes UTF-8 to it, keeping its
    // Windows line breaks.
    void openedCp1256FileSavesAsUtf8()
    {
        put(file("legacy.txt"), QByteArray("\xDF\xE6\xD1\xCF\r\n\xDF"));
        openThroughTheDialog(file("legacy.txt"));
        form->Text1->setText(Rozh + QStringLiteral("\n") + Rozh);
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(settled());
        QCOMPARE(saveAsked, 0);
        QCOMPARE(contents(file("legacy.txt")),
                 QByteArray("\xDA\x95\xDB\x86\xDA\x98\r\n\xDA\x95\xDB\x86\xDA\x98"));
        QCOMPARE(form->Label13->caption(), QStringLiteral("legacy.txt \u2014 UTF-8"));
    }

    void saveWithoutAFileAsksAName()
    {
        form->Text1->setText(QStringLiteral("abc"));
        saveAnswer = FileDialogs::SaveChoice{file("new.txt"), SaveEncoding::Utf8};
        QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(settled());
        QCOMPARE(saveAsked, 1);
        QCOMPARE(offeredEncoding, SaveEncoding::Utf8);
        QCOMPARE(contents(file("new.txt")), QByteArray("abc"));
    }

    void refusedCharacterWritesNothing_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << false;
        QTest::newRow("over an old file") << true;
    }
    void refusedCharacterWritesNothing()
    {
        QFETCH(bool, existing);
        if (existing)
            put(file("legacy.txt"), QByteArray("old"));
        form->Text1->setText(Kurd + units({0x06B5}));
        saveAs(file("legacy.txt"), SaveEncoding::Cp1256);
        QCOMPARE(contents(file("legacy.txt")), existing ? QByteArray("old") : QByteArray("<missing>"));
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 existing ? QStringList{QStringLiteral("legacy.txt")} : QStringList());
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages.constFirst().prompt.contains(units({0x00AB, 0x06B5, 0x00BB}) +
                                                         QStringLiteral(" (U+06B5)")));
        QCOMPARE(commands->currentPath(), QString());
    }

    void unwritablePlaceIsToldWithTheReason()
    {
        form->Text1->setText(QStringLiteral("abc"));
        saveAs(QDir(folder).filePath(QStringLiteral("no/such/folder/x.txt")), SaveEncoding::Utf8);
        QCOMPARE(fx.messages.size(), 1);
        const QString message = fx.messages.constFirst().prompt;
        QVERIFY2(message.contains(QStringLiteral("\u00ABx.txt\u00BB")), qPrintable(message));
        // The system's reason follows the Kurdish words.
        QVERIFY2(message.section(QStringLiteral(": "), 1).size() > 3, qPrintable(message));
        QCOMPARE(commands->currentPath(), QString());
    }

    void mainTextMenu()
    {
        std::unique_ptr<QMenu> menu(form->findChild<FileHandling *>()->menus().menuFor(form->Text1));
        const QString ellipsis = QStringLiteral("2026");
        QCOMPARE(actionTexts(*menu),
                 (QStringList{
                     QStringLiteral("0628 0695 06CC 0646"),
                     QStringLiteral("0644 06D5 0628 06D5 0631 06AF 0631 062A 0646 06D5 0648 06D5"),
                     QStringLiteral("0644 06A9 0627 0646 062F 0646"),
                     QStringLiteral("0633 0695 06CC 0646 06D5 0648 06D5"),
                     QStringLiteral("062F 06CC 0627 0631 06CC 06A9 0631 062F 0646 06CC 0020 0647 06D5 0645 "
                                    "0648 0648 06CC"),
                     QStringLiteral("|"),
                     QStringLiteral("06A9 0631 062F 0646 06D5 0648 06D5 06CC 0020 0641 0627 06CC 0644 ") +
                         ellipsis,
                     QStringLiteral("067E 0627 0634 06D5 06A9 06D5 0648 062A 06A9 0631 062F 0646"),
                     QStringLiteral("067E 0627 0634 06D5 06A9 06D5 0648 062A 06A9 0631 062F 0646 0020 "
                                    "0648 06D5 06A9 ") +
                         ellipsis}));
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.at(6)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(actions.at(7)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(actions.at(8)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    }

    void wordAndLetterBoxesHaveTheFirstFive()
    {
        auto &menus = form->findChild<FileHandling *>()->menus();
        for (UniText *box : {form->Text2, form->Text3, form->TT1[0], form->TT1[7]}) {
            std::unique_ptr<QMenu> menu(menus.menuFor(box));
            QCOMPARE(menu->actions().size(), 5);
            QCOMPARE(codes(menu->actions().at(0)->text()), QStringLiteral("0628 0695 06CC 0646"));
            QCOMPARE(box->contextMenuPolicy(), Qt::CustomContextMenu);
        }
    }

    void enabledEntriesFollowTheSelectionAndClipboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("enabled"); // cut, copy, paste, delete, select all: 1 or 0

        QTest::newRow("nothing selected, empty clipboard")
            << QStringLiteral("abc") << 0 << QString() << QStringLiteral("00001");
        QTest::newRow("a selection") << QStringLiteral("abc") << 2 << QString() << QStringLiteral("11011");
        QTest::newRow("something to paste")
            << QStringLiteral("abc") << 0 << QStringLiteral("x") << QStringLiteral("00101");
        QTest::newRow("empty box") << QString() << 0 << QStringLiteral("x") << QStringLiteral("00100");
    }
    void enabledEntriesFollowTheSelectionAndClipboard()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(QString, clipboard);
        QFETCH(QString, enabled);
        QApplication::clipboard()->setText(clipboard);
        if (clipboard.isEmpty())
            QApplication::clipboard()->clear();
        form->Text2->setText(text);
        form->Text2->setSelStart(0);
        form->Text2->setSelLength(selected);
        std::unique_ptr<QMenu> menu(form->findChild<FileHandling *>()->menus().menuFor(form->Text2));
        QString got;
        for (const QAction *action : menu->actions())
            got += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, enabled);
    }

    void entriesActOnTheirBox()
    {
        auto &menus = form->findChild<FileHandling *>()->menus();
        form->Text3->setText(QStringLiteral("abcdef"));
        form->Text3->setSelStart(1);
        form->Text3->setSelLength(2);
        std::unique_ptr<QMenu>(menus.menuFor(form->Text3))->actions().at(3)->trigger(); // delete
        QCOMPARE(form->Text3->text(), QStringLiteral("adef"));
        std::unique_ptr<QMenu>(menus.menuFor(form->Text3))->actions().at(4)->trigger(); // select all
        QCOMPARE(form->Text3->selText(), QStringLiteral("adef"));
        std::unique_ptr<QMenu>(menus.menuFor(form->Text3))->actions().at(0)->trigger(); // cut
        QCOMPARE(form->Text3->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("adef"));
        std::unique_ptr<QMenu>(menus.menuFor(form->Text2))->actions().at(2)->trigger(); // paste
        QCOMPARE(form->Text2->text(), QStringLiteral("adef"));
    }

    // Kurdish entries stand at the right, where a right-to-left reader starts.
    void menuTextStandsAtTheRight()
    {
        std::unique_ptr<QMenu> menu(form->findChild<FileHandling *>()->menus().menuFor(form->Text1));
        menu->adjustSize();
        const QImage image = menu->grab().toImage();
        const QRect entry = menu->actionGeometry(menu->actions().at(6)); // open, enabled
        int left = image.width();
        int right = 0;
        // The middle of the entry: its words, clear of the menu's frame.
        for (int y = entry.center().y() - 5; y <= entry.center().y() + 5; ++y) {
            for (int x = 6; x < image.width() - 6; ++x) {
                if (qGray(image.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        // The words end near the right edge; the shortcut stands at the left.
        QVERIFY2(right > image.width() * 2 / 3,
                 qPrintable(QStringLiteral("%1..%2 of %3").arg(left).arg(right).arg(image.width())));
    }

    // A right-click shows the Kurdish menu, not Qt's.
    void rightClickShowsTheMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                form->Text1->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(form->Text1->viewport(), &event);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(menu->actions().size(), 9);
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        menu->close();
    }
};

QTEST_MAIN(TestFilesWindow)
#include "test_files_window.moc"
