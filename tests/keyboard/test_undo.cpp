#include "app/PirtokApp.h"
#include "shell/UndoSnapshot.h"
#include "tests/support/AppFixture.h"

#include <QTest>

class TestUndo : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    PirtokApp *app = nullptr;
    Form3 *form = nullptr;

    void select(int start, int length)
    {
        form->Text1->setSelStart(start);
        form->Text1->setSelLength(length);
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        app = &fx.app();
        form = &fx.form();
    }
    void cleanup() { fx.stop(); }

    void undoAndRedoKeepTheSnapshotSelection()
    {
        form->Text1->setText(QStringLiteral("one two three"));
        select(4, 3);
        TakeUndoSnapshot(*form);
        form->Text1->setText(QStringLiteral("changed"));
        select(0, 0);

        Undo(*form);
        QCOMPARE(form->Text1->text(), QStringLiteral("one two three"));
        QCOMPARE(form->Text1->selStart(), 4);
        QCOMPARE(form->Text1->selText(), QStringLiteral("two"));

        Undo(*form);
        QCOMPARE(form->Text1->text(), QStringLiteral("changed"));
        QCOMPARE(form->Text1->selStart(), 4);
        QCOMPARE(form->Text1->selLength(), 3); // clipped to the text: "ged"

        Undo(*form);
        QCOMPARE(form->Text1->text(), QStringLiteral("one two three"));
    }

    void undoBeforeAnySnapshotSwapsWithNothing()
    {
        form->Text1->setText(QStringLiteral("kept"));
        Undo(*form);
        QCOMPARE(form->Text1->text(), QString());
        Undo(*form);
        QCOMPARE(form->Text1->text(), QStringLiteral("kept"));
        QCOMPARE(form->Text1->selStart(), 0);
        QCOMPARE(form->Text1->selLength(), 0);
    }

    void snapshotKeepsEveryCodeUnit()
    {
        // No-break spaces, line breaks and surrogate pairs come back unchanged.
        const QString text = QStringLiteral("a\u00A0b\nc\U0001F600 ");
        form->Text1->setText(text);
        TakeUndoSnapshot(*form);
        QCOMPARE(form->UndoText, text);
        form->Text1->setText(QString());
        Undo(*form);
        QCOMPARE(form->Text1->text(), text);
    }

    void theUndoLabelUndoes()
    {
        form->Text1->setText(QStringLiteral("before"));
        TakeUndoSnapshot(*form);
        form->Text1->setText(QStringLiteral("after"));
        QTest::mouseClick(form->UniLabel4, Qt::LeftButton);
        QCOMPARE(form->Text1->text(), QStringLiteral("before"));
        QTest::mouseClick(form->UniLabel4, Qt::RightButton);
        QCOMPARE(form->Text1->text(), QStringLiteral("after"));
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
