#include "app/PirtokApp.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor UndoReleased(180, 210, 57);
const QColor UndoPressed(215, 231, 150);

// A place in the window that only its own background covers.
QPoint backgroundPoint(Form3 &form)
{
    const QPoint point(2, form.height() - 2);
    return form.childAt(point) ? QPoint(-1, -1) : point;
}

} // namespace

class TestButtonLooks : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;

    QList<QColor> frameColours(const QList<int> &lines) const
    {
        QList<QColor> colours;
        for (int i : lines)
            colours << form->Li[i]->borderColor();
        return colours;
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        fx.messageAnswer = 7; // a conversion's question is declined
        QVERIFY(WindowTesting::showActive(form));
    }
    void cleanup() { fx.stop(); }

    void momentaryLabelsPressWhileHeld_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("lines"); // top, left, bottom, right
        QTest::addColumn<int>("raisedTop");
        QTest::addColumn<int>("pressedTop");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("Label10, right button")
            << "Label10" << QList<int>{16, 19, 17, 18} << 870 << 885 << Qt::RightButton;
        QTest::newRow("Label11") << "Label11" << QList<int>{20, 23, 21, 22} << 870 << 885 << Qt::LeftButton;
        QTest::newRow("Label12, middle button")
            << "Label12" << QList<int>{24, 27, 25, 26} << 870 << 885 << Qt::MiddleButton;
        QTest::newRow("Label14 does not move")
            << "Label14" << QList<int>{28, 31, 29, 30} << 870 << 870 << Qt::RightButton;
        QTest::newRow("UniLabel5") << "UniLabel5" << QList<int>{7, 4, 6, 5} << 510 << 525 << Qt::RightButton;
    }
    void momentaryLabelsPressWhileHeld()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, lines);
        QFETCH(int, raisedTop);
        QFETCH(int, pressedTop);
        QFETCH(Qt::MouseButton, button);
        auto *label = form->findChild<Label *>(name);
        QVERIFY(label);
        const QRect raised = label->geometryTwips();
        QCOMPARE(raised.top(), raisedTop);
        QCOMPARE(frameColours(lines), (QList<QColor>{White, White, DarkGrey, DarkGrey}));

        QTest::mousePress(label, button);
        QCOMPARE(label->geometryTwips(), QRect(raised.left(), pressedTop, raised.width(), raised.height()));
        QCOMPARE(frameColours(lines), (QList<QColor>{DarkGrey, DarkGrey, White, White}));

        // Released away from the label: the look comes back, and no click follows.
        QTest::mouseRelease(label, button, {}, QPoint(-30, -30));
        QCOMPARE(label->geometryTwips(), raised);
        QCOMPARE(frameColours(lines), (QList<QColor>{White, White, DarkGrey, DarkGrey}));
    }

    void undoSinksWhileHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void undoSinksWhileHeld()
    {
        QFETCH(Qt::MouseButton, button);
        Label *undo = form->UniLabel4;
        QCOMPARE(undo->border(), Label::Border::None);
        QTest::mousePress(undo, button);
        QCOMPARE(undo->border(), Label::Border::Sunken);
        QCOMPARE(undo->backColor(), UndoPressed);
        QTest::mouseRelease(undo, button);
        QCOMPARE(undo->border(), Label::Border::None);
        QCOMPARE(undo->backColor(), UndoReleased);
    }

    void undoGoesFlatWhenTheMouseLeavesOntoTheBackground()
    {
        Label *undo = form->UniLabel4;
        const QPoint background = backgroundPoint(*form);
        QVERIFY(background.x() >= 0);
        QTest::mousePress(undo, Qt::LeftButton);

        // Still held, over another control: nothing changes.
        const QPoint overCombo =
            undo->mapFromGlobal(form->Combo3->mapToGlobal(form->Combo3->rect().center()));
        QMouseEvent toCombo(QEvent::MouseMove, overCombo, undo->mapToGlobal(overCombo), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(undo, &toCombo);
        QCOMPARE(undo->border(), Label::Border::Sunken);

        const QPoint overBackground = undo->mapFromGlobal(form->mapToGlobal(background));
        QMouseEvent toBackground(QEvent::MouseMove, overBackground, undo->mapToGlobal(overBackground),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(undo, &toBackground);
        QCOMPARE(undo->border(), Label::Border::None);
        QCOMPARE(undo->backColor(), UndoPressed);

        QTest::mouseRelease(undo, Qt::LeftButton, {}, overBackground);
        QCOMPARE(undo->backColor(), UndoReleased);
    }

    void cornerSymbolsLightUpUnderTheMouse()
    {
        const QPoint background = backgroundPoint(*form);
        QVERIFY(background.x() >= 0);
        QCOMPARE(form->Label3->foreColor(), Green);
        QCOMPARE(form->Label4->foreColor(), Green);

        QTest::mouseMove(form->Label3, form->Label3->rect().center());
        QTRY_COMPARE(form->Label3->foreColor(), Red);
        QCOMPARE(form->Label4->foreColor(), Green);

        QTest::mouseMove(form->Label4, form->Label4->rect().center());
        QTRY_COMPARE(form->Label4->foreColor(), Red);
        QCOMPARE(form->Label3->foreColor(), Green);

        QTest::mouseMove(form, background);
        QTRY_COMPARE(form->Label4->foreColor(), Green);
        QCOMPARE(form->Label3->foreColor(), Green);

        // Over the main text as over the background, and a sunken "Undo" goes flat.
        QTest::mouseMove(form->Label3, form->Label3->rect().center());
        QTRY_COMPARE(form->Label3->foreColor(), Red);
        form->UniLabel4->setBorder(Label::Border::Sunken);
        form->UniLabel4->setBackColor(UndoPressed);
        QTest::mouseMove(form->Text1->viewport(), form->Text1->viewport()->rect().center());
        QTRY_COMPARE(form->Label3->foreColor(), Green);
        QCOMPARE(form->UniLabel4->border(), Label::Border::None);
        QCOMPARE(form->UniLabel4->backColor(), UndoPressed);
    }

    void otherControlsLeaveTheColoursAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text2") << "Text2";
        QTest::newRow("Combo3") << "Combo3";
        QTest::newRow("Check4") << "Check4";
        QTest::newRow("the top strip") << "Image1";
        QTest::newRow("a button label") << "Label10";
    }
    void otherControlsLeaveTheColoursAlone()
    {
        QFETCH(QString, name);
        auto *control = form->findChild<QWidget *>(name);
        QVERIFY(control);
        QWidget *target = control;
        if (auto *box = qobject_cast<UniText *>(control))
            target = box->viewport();
        QTest::mouseMove(form->Label4, form->Label4->rect().center());
        QTRY_COMPARE(form->Label4->foreColor(), Red);
        QTest::mouseMove(target, target->rect().center());
        QTest::qWait(20);
        QCOMPARE(form->Label4->foreColor(), Red);
    }
};

QTEST_MAIN(TestButtonLooks)
#include "test_button_looks.moc"
