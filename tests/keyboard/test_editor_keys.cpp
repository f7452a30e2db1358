#include "app/PirtokApp.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QTest>

namespace {

UniText *boxNamed(Form3 &form, const QString &name)
{
    if (name == QLatin1String("Text1"))
        return form.Text1;
    return name == QLatin1String("Text2") ? form.Text2 : form.Text3;
}

} // namespace

class TestEditorKeys : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        QVERIFY(WindowTesting::showActive(form));
        form->Text1->setFocus();
    }
    void cleanup() { fx.stop(); }

    void f1StartsWithoutTheQuestion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("plain") << QStringLiteral("abc") << Qt::KeyboardModifiers();
        QTest::newRow("with Shift") << QStringLiteral("abc") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("with Ctrl+Alt")
            << QStringLiteral("abc") << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("empty text") << QString() << Qt::KeyboardModifiers();
    }
    void f1StartsWithoutTheQuestion()
    {
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        form->Text1->setText(text);
        form->UndoText = QStringLiteral("old snapshot");
        QTest::keyClick(form->Text1, Qt::Key_F1, modifiers);
        QCOMPARE(form->UndoText, text); // the snapshot is taken, of an empty text too
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(fx.form4Shown, 0);
        QCOMPARE(form->Timer1->interval(), text.isEmpty() ? 0 : 1);
    }

    void f2Undoes_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("plain") << Qt::KeyboardModifiers();
        QTest::newRow("with Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void f2Undoes()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        form->Text1->setText(QStringLiteral("now"));
        form->UndoText = QStringLiteral("before");
        QTest::keyClick(form->Text1, Qt::Key_F2, modifiers);
        QCOMPARE(form->Text1->text(), QStringLiteral("before"));
        QTest::keyClick(form->Text1, Qt::Key_F2, modifiers);
        QCOMPARE(form->Text1->text(), QStringLiteral("now"));
    }

    void otherKeysDoNothing()
    {
        form->Text1->setText(QStringLiteral("abc"));
        form->UndoText = QStringLiteral("before");
        QTest::keyClick(form->Text1, Qt::Key_F6);
        QTest::keyClick(form->Text2, Qt::Key_F1);
        QTest::keyClick(form->Text3, Qt::Key_F2);
        QCOMPARE(form->Text1->text(), QStringLiteral("abc"));
        QCOMPARE(form->UndoText, QStringLiteral("before"));
        QCOMPARE(form->Timer1->interval(), 0);
    }

    void mousePressKeepsTheBookkeeping_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("activeBox");
        QTest::addColumn<int>("searchCount");
        QTest::newRow("Text1 ends the search run") << QStringLiteral("Text1") << 1 << 0;
        QTest::newRow("Text2") << QStringLiteral("Text2") << 2 << 4;
        QTest::newRow("Text3") << QStringLiteral("Text3") << 3 << 4;
    }
    void mousePressKeepsTheBookkeeping()
    {
        QFETCH(QString, box);
        QFETCH(int, activeBox);
        QFETCH(int, searchCount);
        form->SearchCount = 4;
        QTest::mousePress(boxNamed(*form, box)->viewport(), Qt::LeftButton);
        QCOMPARE(form->ActiveBox, activeBox);
        QCOMPARE(form->SearchCount, searchCount);
        QTest::mouseRelease(boxNamed(*form, box)->viewport(), Qt::LeftButton);
    }

    void wordBoxSelectsAllWhenEntered_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        for (const char *box : {"Text2", "Text3"}) {
            for (const char *how : {"program", "Tab", "mouse"})
                QTest::addRow("%s by %s", box, how) << box << how;
        }
    }
    void wordBoxSelectsAllWhenEntered()
    {
        QFETCH(QString, box);
        QFETCH(QString, how);
        UniText *wordBox = boxNamed(*form, box);
        wordBox->setText(QStringLiteral("old word"));
        wordBox->setSelStart(3);
        if (how == QLatin1String("program")) {
            wordBox->setFocus();
        } else if (how == QLatin1String("Tab")) {
            for (int i = 0; i < 100 && !wordBox->hasFocus(); ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            QTest::mouseClick(wordBox->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        }
        QVERIFY(wordBox->hasFocus());
        QCOMPARE(wordBox->selText(), QStringLiteral("old word"));

        if (how != QLatin1String("mouse"))
            return;
        // A click in a box that has the focus already places the caret as usual.
        QTest::mouseClick(wordBox->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(wordBox->selLength(), 0);
    }
};

QTEST_MAIN(TestEditorKeys)
#include "test_editor_keys.moc"
