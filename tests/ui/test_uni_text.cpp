#include "ui/UniText.h"

#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>

#include <memory>

using codeunits::codes;
using codeunits::units;

Q_DECLARE_METATYPE(Qt::Key)

// Keys as the platform sends them: the key code with the text X11 attaches to it.
class TestUniText : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> host;
    UniText *box = nullptr;
    QLineEdit *next = nullptr;
    QString offeredUnits;

    void press(Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::Click, box, key, text, modifiers);
    }

    // The text "abc" with the caret after "a", or "b" selected.
    void startWithABC(bool selectB)
    {
        box->setText(QStringLiteral("abc"));
        box->setSelStart(1);
        box->setSelLength(selectB ? 1 : 0);
        offeredUnits.clear();
    }

    static void addKeyColumns()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("selectB");
        QTest::addColumn<QString>("offered");
    }

private Q_SLOTS:
    void init()
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 200);
        box = new UniText(host.get());
        box->setGeometry(10, 10, 200, 100);
        next = new QLineEdit(host.get());
        next->setGeometry(10, 120, 200, 25);
        connect(box, &UniText::keyPress, this, [this](char16_t &code) { offeredUnits.append(QChar(code)); });
        QVERIFY(WindowTesting::showActive(host.get()));
        box->setFocus();
    }
    void cleanup() { host.reset(); }

    void whichKeysAreTyped_data()
    {
        addKeyColumns();
        QTest::addColumn<QString>("after");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("letter") << Qt::Key_X << "x" << none << false << "x"
                                << "axbc";
        QTest::newRow("letter over a selection") << Qt::Key_X << "x" << none << true << "x"
                                                 << "axc";
        QTest::newRow("Backspace") << Qt::Key_Backspace << "\b" << none << false << "\b"
                                   << "bc";
        QTest::newRow("Enter") << Qt::Key_Return << "\r" << none << false << "\r"
                               << "a\nbc";
        QTest::newRow("Escape") << Qt::Key_Escape << "\x1b" << none << false << "\x1b"
                                << "abc";
        QTest::newRow("Delete") << Qt::Key_Delete << "\x7f" << none << false << ""
                                << "ac";
        QTest::newRow("Delete over a selection") << Qt::Key_Delete << "\x7f" << none << true << ""
                                                 << "ac";
        QTest::newRow("Shift+Delete")
            << Qt::Key_Delete << "\x7f" << Qt::KeyboardModifiers(Qt::ShiftModifier) << true << ""
            << "ac";
        QTest::newRow("Ctrl+A") << Qt::Key_A << "\x01" << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                << ""
                                << "abc";
        QTest::newRow("arrow") << Qt::Key_Right << "" << none << false << ""
                               << "abc";
    }
    void whichKeysAreTyped()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, selectB);
        QFETCH(QString, offered);
        QFETCH(QString, after);
        startWithABC(selectB);
        press(key, text, modifiers);
        QCOMPARE(codes(offeredUnits), codes(offered));
        QCOMPARE(box->text(), after);
    }

    void tabMovesTheFocusUntyped()
    {
        startWithABC(false);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(offeredUnits, QString());
        QCOMPARE(box->text(), QStringLiteral("abc"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(next));
    }

    void aLockedBoxRefusesChangesOnly_data()
    {
        addKeyColumns();
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<bool>("refused");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("letter") << Qt::Key_X << "x" << none << false << "x" << 1 << 0 << true;
        QTest::newRow("letter over a selection") << Qt::Key_X << "x" << none << true << "x" << 1 << 1 << true;
        QTest::newRow("space") << Qt::Key_Space << " " << none << false << " " << 1 << 0 << true;
        QTest::newRow("Backspace") << Qt::Key_Backspace << "\b" << none << false << "\b" << 1 << 0 << true;
        QTest::newRow("Enter") << Qt::Key_Return << "\r" << none << false << "\r" << 1 << 0 << true;
        QTest::newRow("Delete") << Qt::Key_Delete << "\x7f" << none << false << "" << 1 << 0 << true;
        QTest::newRow("Ctrl+Backspace") << Qt::Key_Backspace << "" << ctrl << false << "" << 1 << 0 << true;
        QTest::newRow("Ctrl+V") << Qt::Key_V << "\x16" << ctrl << false << "" << 1 << 0 << true;
        QTest::newRow("Shift+Insert") << Qt::Key_Insert << "" << shift << false << "" << 1 << 0 << true;
        QTest::newRow("Ctrl+X") << Qt::Key_X << "\x18" << ctrl << true << "" << 1 << 1 << true;
        QTest::newRow("Ctrl+Z") << Qt::Key_Z << "\x1a" << ctrl << false << "" << 1 << 0 << true;
        QTest::newRow("Escape") << Qt::Key_Escape << "\x1b" << none << false << "\x1b" << 1 << 0 << false;
        QTest::newRow("Right") << Qt::Key_Right << "" << none << false << "" << 2 << 0 << false;
        QTest::newRow("Shift+Right") << Qt::Key_Right << "" << shift << false << "" << 1 << 1 << false;
        QTest::newRow("End") << Qt::Key_End << "" << none << false << "" << 3 << 0 << false;
        QTest::newRow("Ctrl+A") << Qt::Key_A << "\x01" << ctrl << false << "" << 0 << 3 << false;
        QTest::newRow("Ctrl+C") << Qt::Key_C << "\x03" << ctrl << true << "" << 1 << 1 << false;
    }
    void aLockedBoxRefusesChangesOnly()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, selectB);
        QFETCH(QString, offered);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(bool, refused);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        startWithABC(selectB);
        box->setLocked(true);
        QSignalSpy refusals(box, &UniText::changeRefused);
        press(key, text, modifiers);
        QCOMPARE(box->text(), QStringLiteral("abc"));
        QCOMPARE(codes(offeredUnits), codes(offered));
        QCOMPARE(box->selStart(), selStart);
        QCOMPARE(box->selLength(), selLength);
        QCOMPARE(refusals.count(), refused ? 1 : 0);
        const QString clipboard = key == Qt::Key_C ? QStringLiteral("b") : QStringLiteral("pasted");
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void aLockedBoxRefusesPastesAndComposedText()
    {
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        startWithABC(true);
        box->setLocked(true);
        QSignalSpy refusals(box, &UniText::changeRefused);
        box->paste();
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u06D5"));
        QApplication::sendEvent(box, &composed);
        QCOMPARE(box->text(), QStringLiteral("abc"));
        QCOMPARE(box->selText(), QStringLiteral("b"));
        QCOMPARE(codes(offeredUnits), codes(QStringLiteral("\u06D5")));
        QCOMPARE(refusals.count(), 2);
    }

    void aLockedBoxScrolls()
    {
        box->setText(QStringLiteral("line\n").repeated(200));
        box->setSelStart(0);
        box->setLocked(true);
        press(Qt::Key_PageDown, QString());
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QVERIFY(box->selStart() > 0);
    }

    void aLockedBoxReadsAsReadOnlyAndUnlocks()
    {
        startWithABC(false);
        box->setLocked(true);
        QVERIFY(box->isLocked());
        QVERIFY(box->isReadOnly());
        box->setText(QStringLiteral("set")); // the program still writes
        QCOMPARE(box->text(), QStringLiteral("set"));
        box->setLocked(false);
        QVERIFY(!box->isReadOnly());
        box->setSelStart(3);
        press(Qt::Key_X, QStringLiteral("x"));
        press(Qt::Key_Backspace, QStringLiteral("\b"));
        press(Qt::Key_Y, QStringLiteral("y"));
        QCOMPARE(box->text(), QStringLiteral("sety"));
    }

    // What the document holds, read past anything the box knows without reading it.
    QString documentText() const
    {
        return box->document()->toRawText().replace(QChar(0x2029), QLatin1Char('\n'));
    }

    // Filled a few units at a time, a text ends as setText() leaves it: line breaks and all.
    void aFillEndsAsSetTextLeavesTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lines") << QStringLiteral("one two\nthree\n\nfour five six");
        QTest::newRow("CR LF and a lone CR") << QStringLiteral("ab\r\ncd\ref\r\n\r\ngh");
        QTest::newRow("a CR LF across a slice end") << QStringLiteral("abcd\r\nefgh");
        QTest::newRow("the document's separators")
            << units({u'a', 0x2029, u'b', 0xFDD0, u'c', 0xFDD1, u'd', 0x2028, u'e', 0x00A0, u'f'});
        // A long line, cut inside it: never between the halves of a letter beyond the basic plane.
        QTest::newRow("letters beyond the basic plane") << units(
            {u'a', u'b', u'c', 0xD83D, 0xDE00, 0xD83D, 0xDE00, 0xD83D, 0xDE00, 0xD83D, 0xDE00, u'z'});
        QTest::newRow("a trailing line break") << QStringLiteral("last line\n");
        QTest::newRow("empty") << QString();
    }
    void aFillEndsAsSetTextLeavesTheText()
    {
        QFETCH(QString, text);
        UniText reference;
        reference.setText(text);
        const QString want = reference.text();
        box->setText(QStringLiteral("old"));
        box->setSelStart(2);
        QSignalSpy changes(box, &UniText::change);

        box->beginFill(text);
        QVERIFY(box->isFilling());
        QCOMPARE(codes(box->text()), codes(want));
        QCOMPARE(box->textLength(), want.size());
        qsizetype left = 0;
        int slices = 0;
        while ((left = box->fillSome(4)) > 0) {
            ++slices;
            const QString part = documentText();
            QVERIFY(want.startsWith(part));
            QVERIFY2(part.isEmpty() || !part.back().isHighSurrogate(), qPrintable(codes(part)));
            QCOMPARE(codes(box->text()), codes(want)); // the whole, while a part is in
            QCOMPARE(changes.count(), 0);
        }
        QVERIFY(slices <= want.size() / 4 + 1);
        QVERIFY(!box->isFilling());
        QCOMPARE(codes(box->text()), codes(want));
        QCOMPARE(codes(documentText()), codes(want));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box->selStart(), 0);
        QVERIFY(!box->document()->isUndoAvailable());
        // An edit afterwards is read from the document again, and can be undone.
        box->setSelStart(0);
        press(Qt::Key_X, QStringLiteral("x"));
        QCOMPARE(codes(box->text()), codes(QStringLiteral("x") + want));
        QVERIFY(box->document()->isUndoAvailable());
    }

    void aWriteDuringAFillEndsIt_data()
    {
        QTest::addColumn<bool>("throughSetText");
        QTest::newRow("setText") << true;
        QTest::newRow("a cursor's insert") << false;
    }
    void aWriteDuringAFillEndsIt()
    {
        QFETCH(bool, throughSetText);
        box->beginFill(QStringLiteral("first line\nsecond line\nthird line"));
        QVERIFY(box->fillSome(12) > 0);
        QSignalSpy changes(box, &UniText::change);
        if (throughSetText) {
            box->setText(QStringLiteral("written"));
        } else {
            QTextCursor cursor(box->document());
            cursor.insertText(QStringLiteral(">"));
        }
        QVERIFY(!box->isFilling());
        QCOMPARE(changes.count(), 1);
        const QString after = throughSetText ? QStringLiteral("written") : QStringLiteral(">first line\n");
        QCOMPARE(box->text(), after);
        QCOMPARE(documentText(), after);
        QCOMPARE(box->fillSome(100), 0);
        QCOMPARE(box->text(), after);
        QCOMPARE(changes.count(), 1);
    }

    void partsMakeTheText_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::newRow("set") << false;
        QTest::newRow("filled") << true;
    }
    void partsMakeTheText()
    {
        QFETCH(bool, filled);
        const QString text =
            units({u'a', 0x00A0, u'b', u'\n', 0xD83D, 0xDE00, u'\n', u'\n', 0x2028, u'c', u'd'});
        if (filled) {
            box->beginFill(text);
            while (box->fillSome(3) > 0) {
            }
        } else {
            box->setText(text);
        }
        QCOMPARE(box->textLength(), text.size());
        QString joined;
        for (qsizetype at = 0; at < box->textLength(); at += 3)
            joined += box->textPart(at, 3);
        QCOMPARE(codes(joined), codes(text));
        QCOMPARE(box->textPart(9, 100), QStringLiteral("cd"));
    }

    void aDoubleClickIsOneClick()
    {
        QSignalSpy clicks(box, &UniText::click);
        QWindow *window = host->windowHandle();
        const QPoint at = box->viewport()->mapTo(host.get(), QPoint(20, 10));
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        QCOMPARE(clicks.count(), 2);
    }
};

QTEST_MAIN(TestUniText)
#include "test_uni_text.moc"
