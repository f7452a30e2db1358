#include "app/PirtokApp.h"
#include "convert/ConversionRunControl.h"
#include "shell/Module1.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using codeunits::codes;
using codeunits::units;

class TestLetterPairs : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    PirtokApp *app = nullptr;
    Form3 *form = nullptr;

    // A point of `control` that no other control covers, in the window's coordinates.
    QPoint visiblePointOf(QWidget *control) const
    {
        for (int y = 0; y < control->height(); ++y)
            for (int x = 0; x < control->width(); ++x) {
                const QPoint at = control->mapTo(form, QPoint(x, y));
                if (form->childAt(at) == control)
                    return at;
            }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        app = &fx.app();
        form = &fx.form();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() { fx.stop(); }

    void panelOpensClosesAndHidesOnAClickInTheText()
    {
        QVERIFY(!form->Picture2->isVisible());
        QTest::mouseClick(form->Label14, Qt::LeftButton);
        QVERIFY(form->Picture2->isVisible());
        QTest::mouseClick(form->Label14, Qt::LeftButton);
        QVERIFY(!form->Picture2->isVisible());
        QTest::mouseClick(form->Label14, Qt::RightButton);
        QTest::mouseClick(form->Text1->viewport(), Qt::LeftButton);
        QVERIFY(!form->Picture2->isVisible());
    }

    void aBoxKeepsOneCharacter_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kept");
        QTest::newRow("word") << units({0x0631, 0x0650, 0x0632}) << units({0x0631});
        QTest::newRow("one letter") << units({0x06B5}) << units({0x06B5});
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("letter beyond the basic plane keeps both halves")
            << units({0xD83D, 0xDE00, 0x0627}) << units({0xD83D, 0xDE00});
        QTest::newRow("lone first half") << units({0xD83D}) << QString();
        QTest::newRow("lone second half") << units({0xDE00}) << QString();
        QTest::newRow("second half, then a letter") << units({0xDE00, 0x0627}) << QString();
        QTest::newRow("first half cut from its pair") << units({0xD83D, 0x0627, 0xDE00}) << QString();
        QTest::newRow("two first halves") << units({0xD83D, 0xD83D, 0xDE00}) << QString();
    }
    void aBoxKeepsOneCharacter()
    {
        QFETCH(QString, written);
        QFETCH(QString, kept);
        UniText *box = form->TT1[3];
        box->setText(written);
        QCOMPARE(codes(box->text()), codes(kept));
        QCOMPARE(box->selStart(), 0);
        QCOMPARE(box->selLength(), int(kept.size()));
    }

    void typingReplacesThePreviousLetterAndPastingKeepsTheFirst()
    {
        UniText *box = form->TT1[0];
        WindowTesting::typeUnit(box, 0x0629); // Kurdish keyboard: ae
        WindowTesting::typeUnit(box, 0x0636); // tcheh replaces it
        QCOMPARE(codes(box->text()), codes(units({0x0686})));
        QCOMPARE(box->selLength(), 1);
        QApplication::clipboard()->setText(units({0x0636, 0x0637}));
        box->paste();
        QCOMPARE(codes(box->text()), codes(units({0x0636})));
    }

    void aDoubleClickOnTheLabelOpensThePanelOnce()
    {
        const QPoint at = visiblePointOf(form->Label14);
        QVERIFY(!at.isNull());
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(form->Picture2->isVisible());
    }

    void aLoneHalfTypedOrPastedLeavesTheBoxEmpty_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::newRow("typed pair") << false << units({0xD83D, 0xDE00}) << units({0xD83D, 0xDE00});
        QTest::newRow("typed first half") << false << units({0xD83D}) << QString();
        QTest::newRow("typed second half") << false << units({0xDE00}) << QString();
        QTest::newRow("pasted second half and a letter") << true << units({0xDE00, 0x0627}) << QString();
        QTest::newRow("pasted first half and a letter") << true << units({0xD83D, 0x0627}) << QString();
    }
    void aLoneHalfTypedOrPastedLeavesTheBoxEmpty()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        UniText *box = form->TT1[5];
        box->setText(units({0x06B5})); // selected whole, so the input replaces it
        if (pasted) {
            QApplication::clipboard()->setText(input);
            box->paste();
        } else {
            // One key that carries the whole input, as a key beyond the basic plane does.
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, input, Qt::NoModifier);
        }
        QCOMPARE(codes(box->text()), codes(kept));
    }

    void pairsActWhileThePanelIsHidden()
    {
        form->TT1[0]->setText(QStringLiteral("x"));
        form->TT1[1]->setText(QStringLiteral("y"));
        form->Text1->setText(QStringLiteral("xa"));
        app->conversion().StartConversion(false);
        while (form->Timer1->interval() != 0)
            Q_EMIT form->Timer1->tick();
        QCOMPARE(form->Text1->text(), QStringLiteral("ya"));
    }
};

QTEST_MAIN(TestLetterPairs)
#include "test_letter_pairs.moc"
