#include "ui/UniText.h"

#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using codeunits::codes;

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
