#include "app/PirtokApp.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

using codeunits::codes;
using codeunits::units;
using WindowTesting::typeText;
using WindowTesting::typeUnit;

namespace {

UniText *boxNamed(Form3 &form, const QString &name)
{
    if (name == QLatin1String("Text1"))
        return form.Text1;
    if (name == QLatin1String("Text2"))
        return form.Text2;
    if (name == QLatin1String("Text3"))
        return form.Text3;
    return form.TT1[name.mid(4, 1).toInt()]; // "TT1(i)"
}

} // namespace

class TestTyping : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    PirtokApp *app = nullptr;
    Form3 *form = nullptr;

private Q_SLOTS:
    void init()
    {
        fx.start();
        app = &fx.app();
        form = &fx.form();
        form->Text1->setText(QString());
    }
    void cleanup() { fx.stop(); }

    void translatesInKurdishModeOnly_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("arabicMode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const QString tehMarbuta = units({0x0629});
        const QString ae = units({0x06D5});
        for (const char *box : {"Text1", "Text2", "Text3", "TT1(0)", "TT1(7)"}) {
            QTest::addRow("%s kurdish teh marbuta", box) << box << false << tehMarbuta << ae;
            QTest::addRow("%s arabic teh marbuta", box) << box << true << tehMarbuta << tehMarbuta;
        }
        QTest::newRow("quote gives teh marbuta") << "Text1" << false << units({0x2019}) << tehMarbuta;
        QTest::newRow("} gives waw hamza") << "Text1" << false << QStringLiteral("}") << units({0x0624});
        QTest::newRow("waw hamza gives oe") << "Text1" << false << units({0x0624}) << units({0x06C6});
        QTest::newRow("{ kurdish") << "Text1" << false << QStringLiteral("{") << units({0x0695});
        QTest::newRow("{ arabic") << "Text1" << true << QStringLiteral("{") << QStringLiteral("{");
        QTest::newRow("shared letters unchanged")
            << "Text1" << false << units({0x0627, 0x0647, 0x064A, 0x0020, 0x0031})
            << units({0x0627, 0x0647, 0x064A, 0x0020, 0x0031});
        QTest::newRow("surrogate pair unchanged")
            << "Text1" << false << units({0xD83D, 0xDE00}) << units({0xD83D, 0xDE00});
        QTest::newRow("a word") << "Text3" << false << units({0x0635, 0x0627, 0x0648})
                                << units({0x06B5, 0x0627, 0x0648});
    }
    void translatesInKurdishModeOnly()
    {
        QFETCH(QString, box);
        QFETCH(bool, arabicMode);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        form->Check1->setValue(arabicMode ? 1 : 0);
        UniText *target = boxNamed(*form, box);
        target->setText(QString());
        typeText(target, typed);
        QCOMPARE(codes(target->text()), codes(expected));
    }

    void replacesTheSelection()
    {
        form->Text1->setText(QStringLiteral("abc"));
        form->Text1->setSelStart(1);
        form->Text1->setSelLength(1);
        typeUnit(form->Text1, 0x0629);
        QCOMPARE(codes(form->Text1->text()), codes(units({'a', 0x06D5, 'c'})));
        QCOMPARE(form->Text1->selStart(), 2);
        QCOMPARE(form->Text1->selLength(), 0);
    }

    void editingKeysStillEdit()
    {
        form->Text1->setText(QStringLiteral("ab"));
        form->Text1->setSelStart(2);
        QTest::keyClick(form->Text1, Qt::Key_Backspace);
        QCOMPARE(form->Text1->text(), QStringLiteral("a"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(form->Text1->text(), QStringLiteral("a\n"));
        // A one-line box takes no line break.
        form->Text3->setText(QStringLiteral("x"));
        form->Text3->setSelStart(1);
        QTest::keyClick(form->Text3, Qt::Key_Return);
        QCOMPARE(form->Text3->text(), QStringLiteral("x"));
    }

    void inputMethodTextIsTranslated()
    {
        QInputMethodEvent commit;
        commit.setCommitString(units({0x0629, 0x0636}));
        QApplication::sendEvent(form->Text1, &commit);
        QCOMPARE(codes(form->Text1->text()), codes(units({0x06D5, 0x0686})));
    }

    void pasteAndProgramTextAreNotTranslated()
    {
        const QString arabic = units({0x0629, 0x0636, 0x0624});
        QApplication::clipboard()->setText(arabic);
        form->Text1->paste();
        QCOMPARE(codes(form->Text1->text()), codes(arabic));
        form->Text2->setText(arabic);
        QCOMPARE(codes(form->Text2->text()), codes(arabic));
    }

    void keepsTheBookkeeping_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("arabicMode");
        QTest::addColumn<int>("activeBox");
        QTest::addColumn<int>("searchCount");
        for (bool arabic : {false, true}) {
            const char *mode = arabic ? "arabic" : "kurdish";
            QTest::addRow("Text1 %s", mode) << "Text1" << arabic << 1 << 5;
            QTest::addRow("Text2 %s", mode) << "Text2" << arabic << 2 << 5;
            QTest::addRow("Text3 %s", mode) << "Text3" << arabic << 3 << 0;
            QTest::addRow("TT1(4) %s", mode) << "TT1(4)" << arabic << 2 << 0;
        }
    }
    void keepsTheBookkeeping()
    {
        QFETCH(QString, box);
        QFETCH(bool, arabicMode);
        QFETCH(int, activeBox);
        QFETCH(int, searchCount);
        form->Check1->setValue(arabicMode ? 1 : 0);
        form->ActiveBox = 2;
        form->SearchCount = 5;
        typeUnit(boxNamed(*form, box), 'x');
        QCOMPARE(form->ActiveBox, activeBox);
        QCOMPARE(form->SearchCount, searchCount);
    }

    void switchTogglesModeAndLooks()
    {
        const QColor white(255, 255, 255), grey(64, 64, 64);
        QCOMPARE(form->Check1->value(), 0);
        QTest::mouseClick(form->Label6, Qt::LeftButton);
        QCOMPARE(form->Check1->value(), 1);
        QCOMPARE(form->Label6->geometryTwips().topLeft(), QPoint(1920, 525));
        QCOMPARE(form->Li[1]->borderColor(), white);
        QCOMPARE(form->Li[2]->borderColor(), white);
        QCOMPARE(form->Li[3]->borderColor(), grey);
        QCOMPARE(form->Li[0]->borderColor(), grey);
        typeUnit(form->Text1, 0x0629);
        QCOMPARE(codes(form->Text1->text()), codes(units({0x0629})));

        QTest::mouseClick(form->Label6, Qt::RightButton);
        QCOMPARE(form->Check1->value(), 0);
        QCOMPARE(form->Label6->geometryTwips().topLeft(), QPoint(1905, 510));
        QCOMPARE(form->Li[1]->borderColor(), grey);
        QCOMPARE(form->Li[0]->borderColor(), white);
        typeUnit(form->Text1, 0x0629);
        QCOMPARE(codes(form->Text1->text()), codes(units({0x0629, 0x06D5})));
    }

    void switchGivesTheFocusBack()
    {
        QVERIFY(WindowTesting::showActive(form));
        typeUnit(form->Text3, 'a');
        form->Combo3->setFocus();
        QTest::mouseClick(form->Label6, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text3));

        // A letter box is not a box the focus returns to: the last named box gets it.
        form->Picture2->show();
        typeUnit(form->TT1[2], 'b');
        form->TT1[2]->setFocus();
        QTest::mouseClick(form->Label6, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text3));
    }

    void switchLeavesTheFocusBeforeAnyTyping()
    {
        QVERIFY(WindowTesting::showActive(form));
        form->Text2->setFocus();
        QTest::mouseClick(form->Label6, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text2));
    }
};

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
