#include "app/PirtokApp.h"
#include "convert/ConversionRunControl.h"
#include "convert/core/ConversionEngine.h"
#include "shell/Module1.h"
#include "shell/UndoSnapshot.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QTest>

using codeunits::codes;
using codeunits::units;

namespace {

// A Kurdish-font text of `length` code units: letters the rules change, and separators.
QString kurdishFont(int length)
{
    const QString pattern = units({0x0629, 0x0020, 0x0636, 0x064A, 0x002E, 0x0644, 0x064E, 0x0627});
    QString text;
    while (text.size() < length)
        text += pattern;
    text.truncate(length);
    return text;
}

// Letters that each take one conversion step.
QString singleSteps(int length)
{
    const QString pattern = units({0x0629, 0x0636, 0x0637, 0x062B, 0x0020});
    QString text;
    while (text.size() < length)
        text += pattern;
    text.truncate(length);
    return text;
}

QString toUnicode(const QString &text, pirtok::RunKind kind = pirtok::RunKind::WholeText)
{
    return pirtok::convertText(text, pirtok::Direction::KurdishToUnicode, {}, kind);
}

} // namespace

class TestRunControl : public QObject
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
        fx.messageAnswer = 6;
        app = &fx.app();
        form = &fx.form();
    }
    void cleanup() { fx.stop(); }

    void directionListHoldsItsCodePoints()
    {
        QCOMPARE(form->Combo3->listCount(), 9);
        QCOMPARE(codes(form->Combo3->itemText(0)),
                 codes(units({0x0643, 0x0648, 0x0631, 0x062F, 0x0649, 0x0020, 0x0628, 0x06C6, 0x0020, 0x064A,
                              0x0648, 0x0646, 0x064A, 0x0643, 0x06C6, 0x062F})));
        QCOMPARE(codes(form->Combo3->itemText(1)),
                 codes(units({0x064A, 0x0648, 0x0646, 0x064A, 0x0643, 0x06C6, 0x062F, 0x0020, 0x0628, 0x06C6,
                              0x0020, 0x0643, 0x0648, 0x0631, 0x062F, 0x0649})));
    }

    void asksWithTheDirectionNamed()
    {
        form->Text1->setText(QStringLiteral("x"));
        fx.messageAnswer = 7;
        QTest::mouseClick(form->UniLabel5, Qt::LeftButton);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].buttons, 4);
        QCOMPARE(codes(fx.messages[0].title),
                 codes(units({0x0648, 0x0629, 0x0631, 0x0643, 0x06CE, 0x0695, 0x0627, 0x0646})));
        const QString start =
            units({0x0626, 0x0627, 0x064A, 0x0647, 0x0020, 0x0695, 0x0627, 0x0632, 0x064A, 0x062A, 0x0020,
                   0x0648, 0x0648, 0x0634, 0x0647, 0x0643, 0x0627, 0x0646, 0x0020, 0x0648, 0x0647, 0x0631,
                   0x0020, 0x0628, 0x06AF, 0x06CE, 0x0631, 0x0645, 0x0020, 0x0644, 0x0647, 0x0020});
        QCOMPARE(codes(fx.messages[0].prompt), codes(start + form->Combo3->itemText(0)));
        // No: nothing runs, but the snapshot was taken.
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->UndoText, QStringLiteral("x"));
    }

    void emptyTextOnlyTakesTheSnapshot()
    {
        form->Text1->setText(QString());
        form->UndoText = QStringLiteral("old");
        app->conversion().StartConversion(true);
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(form->UndoText, QString());
        QCOMPARE(form->Timer1->interval(), 0);
    }

    void longTextsAreConfirmedAndReported_data()
    {
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("whole 2000") << 2000 << 0 << false;
        QTest::newRow("whole 2001") << 2001 << 0 << true;
        QTest::newRow("short selection in a long text") << 5000 << 2000 << false;
        QTest::newRow("long selection") << 5000 << 2001 << true;
    }
    void longTextsAreConfirmedAndReported()
    {
        QFETCH(int, textLength);
        QFETCH(int, selectionLength);
        QFETCH(bool, confirmed);
        const QString text = kurdishFont(textLength);
        form->Text1->setText(text);
        form->Text1->setSelStart(7);
        form->Text1->setSelLength(selectionLength);
        app->conversion().StartConversion(false);
        QCOMPARE(fx.form4Shown, confirmed ? 1 : 0);
        QVERIFY(fx.messages.isEmpty()); // F1 does not ask
        Timer *timer = selectionLength ? form->Timer2 : form->Timer1;
        QCOMPARE(timer->interval(), 1);
        runTimerToEnd(timer);
        QCOMPARE(fx.messages.size(), confirmed ? 1 : 0);
        if (confirmed) {
            QCOMPARE(fx.messages[0].buttons, 0);
            QCOMPARE(codes(fx.messages[0].title),
                     codes(units({0x0020, 0x062A, 0x0647, 0x0648, 0x0627, 0x0648, 0x0020, 0x0628, 0x0648,
                                  0x0648, 0x0646, 0x0020})));
            QCOMPARE(fx.messages[0].prompt.size(), 29);
            QVERIFY(fx.messages[0].prompt.endsWith(QLatin1Char(' ')));
        }
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
    }

    void form4AnswerNoStartsNothing()
    {
        form->Text1->setText(kurdishFont(3000));
        fx.form4Answer = QStringLiteral("No");
        app->conversion().StartConversion(true);
        QCOMPARE(fx.form4Shown, 1);
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->Timer2->interval(), 0);
    }

    void ticksAdvanceEightyStepsWithCaption()
    {
        form->Text1->setText(singleSteps(200));
        app->conversion().StartConversion(false);
        Q_EMIT form->Timer1->tick();
        QCOMPARE(app->conversion().Conversion().ConvertPos(), qsizetype(81));
        QCOMPARE(form->Label2->caption(), QStringLiteral("%40")); // 100 / 200 * 81 = 40.5 -> 40
        QCOMPARE(form->Image2->widthTwips(), 480);                // 40 * 19 / 100 = 7.6 -> 8
        QCOMPARE(form->Text1->text(), singleSteps(200));          // written once, at the end
        runTimerToEnd(form->Timer1);
        QCOMPARE(codes(form->Text1->text()), codes(toUnicode(singleSteps(200))));
        QCOMPARE(form->Image2->widthTwips(), 0);
    }

    void shortTextEndsAtTheNextTick()
    {
        form->Text1->setText(singleSteps(80));
        app->conversion().StartConversion(false);
        Q_EMIT form->Timer1->tick();
        QCOMPARE(form->Label2->caption(), QStringLiteral("%101"));
        QCOMPARE(form->Image2->widthTwips(), 1140);
        QCOMPARE(form->Timer1->interval(), 1);
        Q_EMIT form->Timer1->tick();
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        QCOMPARE(codes(form->Text1->text()), codes(toUnicode(singleSteps(80))));
    }

    void directionIsReadAtEveryTick()
    {
        const QString text = QString(160, QChar(0x0629));
        form->Text1->setText(text);
        app->conversion().StartConversion(false);
        Q_EMIT form->Timer1->tick();
        form->Combo3->setListIndex(1);
        runTimerToEnd(form->Timer1);
        // The first 80 became ae; the rest went the other way and stayed teh marbuta.
        QCOMPARE(form->Text1->text(), QString(80, QChar(0x06D5)) + QString(80, QChar(0x0629)));
    }

    void selectionRunReplacesOnlyTheSelection()
    {
        const QString before = QStringLiteral("abc ");
        const QString selected = units({0x0629, 0x0636, 0x064A});
        const QString after = units({0x0020, 0x0629});
        form->Text1->setText(before + selected + after);
        form->Text1->setSelStart(4);
        form->Text1->setSelLength(3);
        app->conversion().StartConversion(false);
        runTimerToEnd(form->Timer2);
        // A selection ends like a separator: the final yeh becomes alef maksura.
        const QString converted = units({0x06D5, 0x0686, 0x0649});
        QCOMPARE(codes(form->Text1->text()), codes(before + converted + after));
        QCOMPARE(form->Text1->selStart(), 4);
        QCOMPARE(codes(form->Text1->selText()), codes(converted));

        Undo(*form);
        QCOMPARE(codes(form->Text1->text()), codes(before + selected + after));
        QCOMPARE(form->Text1->selText(), selected);
    }

    void removedSelectionInsertsAtTheCaret()
    {
        form->Text1->setText(QStringLiteral("0123456789"));
        form->Text1->setSelStart(2);
        form->Text1->setSelLength(2);
        app->conversion().StartConversion(false);
        form->Text1->setSelStart(8); // the user moved the caret during the run
        runTimerToEnd(form->Timer2);
        QCOMPARE(form->Text1->text(), QStringLiteral("0123456723"
                                                     "89"));
        QCOMPARE(form->Text1->selStart(), 8);
        QCOMPARE(form->Text1->selLength(), 2);
    }

    void realTimersConvertAndUndoRestores()
    {
        const QString text = kurdishFont(1000);
        form->Text1->setText(text);
        app->conversion().StartConversion(true);
        QTRY_COMPARE_WITH_TIMEOUT(form->Timer1->interval(), 0, 20000);
        QCOMPARE(codes(form->Text1->text()), codes(toUnicode(text)));
        Undo(*form);
        QCOMPARE(form->Text1->text(), text);
    }

    void realTimersConvertASelectionBackToKurdishFont()
    {
        const QString unicode = units({0x0686, 0x06AF, 0x0020, 0x0647, 0x200C, 0x0020, 0x06B5, 0x0627});
        form->Text1->setText(QStringLiteral("<") + unicode + QStringLiteral(">"));
        form->Combo3->setListIndex(1);
        form->Text1->setSelStart(1);
        form->Text1->setSelLength(int(unicode.size()));
        app->conversion().StartConversion(true);
        QTRY_COMPARE(form->Timer2->interval(), 0);
        const QString kurdish = units({0x0636, 0x0637, 0x0020, 0x0629, 0x0020, 0x0644, 0x0622});
        QCOMPARE(codes(form->Text1->text()), codes(QStringLiteral("<") + kurdish + QStringLiteral(">")));
        QCOMPARE(codes(form->Text1->selText()), codes(kurdish));
    }

    void aStartOfTheOtherKindStopsTheRun()
    {
        form->Text1->setText(kurdishFont(400));
        app->conversion().StartConversion(false);
        Q_EMIT form->Timer1->tick();
        form->Text1->setSelStart(0);
        form->Text1->setSelLength(3);
        app->conversion().StartConversion(false);
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->Timer2->interval(), 1);
        Q_EMIT form->Timer1->tick(); // a late tick of the stopped run does nothing
        QCOMPARE(app->conversion().Conversion().ConvertPos(), qsizetype(1));
        runTimerToEnd(form->Timer2);
        QCOMPARE(codes(form->Text1->text()),
                 codes(toUnicode(kurdishFont(3), pirtok::RunKind::Selection) + kurdishFont(400).mid(3)));
    }

    void aRunEndingDuringTheQuestionLeavesItsResultToTheNextRun()
    {
        const QString text = singleSteps(200);
        form->Text1->setText(text);
        app->conversion().StartConversion(false);
        Module1::setMessageBoxFunction([this](const Module1::MessageBoxRequest &) {
            runTimerToEnd(form->Timer1); // the running run ends while the question is open
            return 6;
        });
        app->conversion().StartConversion(true);
        QCOMPARE(codes(app->conversion().Conversion().ConvertSource()), codes(toUnicode(text)));
        QCOMPARE(form->Timer1->interval(), 1);
    }

    void typingDuringARunIsRefused()
    {
        form->Text1->setText(kurdishFont(400));
        app->conversion().StartConversion(false);
        WindowTesting::typeUnit(form->Text1, 'z');
        QVERIFY(!form->Text1->text().contains(QLatin1Char('z')));
        QTest::mouseClick(form->UniButton1, Qt::LeftButton); // nor a reversal
        QCOMPARE(form->Text1->text(), kurdishFont(400));
        runTimerToEnd(form->Timer1);
        QCOMPARE(codes(form->Text1->text()), codes(toUnicode(kurdishFont(400))));
        QVERIFY(!form->Text1->isReadOnly());
        form->Text1->setSelStart(0);
        WindowTesting::typeUnit(form->Text1, 'z');
        QVERIFY(form->Text1->text().startsWith(QLatin1Char('z')));
    }

    void pickingADirectionGivesTheFocusBack()
    {
        QVERIFY(WindowTesting::showActive(form));
        form->ActiveBox = 3;
        form->Combo3->setFocus();
        Q_EMIT form->Combo3->activated(1); // the user picks the second entry
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text3));
    }

    void progressBarFollowsTheCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::newRow("0") << "%0" << 0;
        QTest::newRow("37") << "%37" << 420;
        QTest::newRow("50 rounds to even") << "%50" << 600;
        QTest::newRow("100") << "%100" << 1140;
        QTest::newRow("101") << "%101" << 1140;
    }
    void progressBarFollowsTheCaption()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        form->Label2->setCaption(QStringLiteral("%55"));
        form->Label2->setCaption(caption);
        QCOMPARE(form->Image2->widthTwips(), width);
    }

    void reversalIsCodeUnitWiseAndSelfInverse()
    {
        const QString text = units({0x0628, 0x064E, 0x0020, 0x0627, 0x000A, 0x0031});
        form->Text1->setText(text);
        form->UndoText = QStringLiteral("kept");
        QTest::mouseClick(form->UniButton1, Qt::LeftButton);
        QCOMPARE(codes(form->Text1->text()), codes(units({0x0031, 0x000A, 0x0627, 0x0020, 0x064E, 0x0628})));
        QTest::mouseClick(form->UniButton1, Qt::LeftButton);
        QCOMPARE(form->Text1->text(), text);
        QCOMPARE(form->UndoText, QStringLiteral("kept"));
    }
};

QTEST_MAIN(TestRunControl)
#include "test_run_control.moc"
