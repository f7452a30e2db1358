#include "shell/Form3.h"
#include "tests/support/WindowTesting.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using codeunits::codes;
using codeunits::units;

class TestForm3 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form3> form;

private Q_SLOTS:
    void init() { form = std::make_unique<Form3>(); }
    void cleanup() { form.reset(); }

    void windowHasItsDesignedClientArea()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Pirtok"));
        QCOMPARE(form->size(), QSize(928, 563)); // 13920 x 8445 twips
        QCOMPARE(form->palette().color(QPalette::Window), QColor(128, 128, 128));
    }

    void controlsSitWhereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Text1") << "Text1"
                               << "Form3" << QRect(720, 2040, 8655, 3645);
        QTest::newRow("Label6") << "Label6"
                                << "Form3" << QRect(1905, 510, 1200, 240);
        QTest::newRow("UniLabel5") << "UniLabel5"
                                   << "Form3" << QRect(13020, 510, 690, 240);
        QTest::newRow("Picture2") << "Picture2"
                                  << "Form3" << QRect(7320, 840, 2295, 2220);
        QTest::newRow("TT1(0) right") << "TT1(0)"
                                      << "Picture2" << QRect(1470, 750, 615, 285);
        QTest::newRow("TT1(7) left") << "TT1(7)"
                                     << "Picture2" << QRect(150, 1830, 615, 285);
        QTest::newRow("UniLabel8") << "UniLabel8"
                                   << "Picture2" << QRect(90, 60, 2070, 630);
        QTest::newRow("Image2 in its frame") << "Image2"
                                             << "Picture1" << QRect(0, 0, 1140, 240);
        QTest::newRow("Shape5 plate") << "Shape5"
                                      << "Form3" << QRect(1860, 480, 1290, 300);
    }
    void controlsSitWhereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        auto *control = form->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->parentWidget()->objectName(), parent);
        auto *placed = dynamic_cast<TwipsGeometry *>(control);
        QVERIFY(placed);
        QCOMPARE(placed->geometryTwips(), twips);
    }

    void kurdishCaptionsAreTheDesignedCodePoints()
    {
        QCOMPARE(codes(form->UniButton1->caption()),
                 codes(units({0x0642, 0x06D5, 0x06B5, 0x067E, 0x06A9, 0x0631, 0x062F, 0x0646})));
        QCOMPARE(codes(form->Label6->caption()),
                 codes(units({0x0646, 0x0648, 0x0648, 0x0633, 0x064A, 0x0646, 0x0649, 0x0020, 0x0639, 0x0631,
                              0x0628, 0x064A})));
        QCOMPARE(codes(form->UniLabel5->caption()),
                 codes(units({0x0626, 0x0647, 0x0646, 0x062C, 0x0627, 0x0645})));
        QCOMPARE(codes(form->Text1->text()),
                 codes(units({0x0634, 0x0648, 0x06CE, 0x0646, 0x0649, 0x0020, 0x0646, 0x0648, 0x0648, 0x0633,
                              0x064A, 0x0646, 0x0020})));
        QCOMPARE(codes(form->Label23->caption()), codes(units({0x0628, 0x0640, 0x0647})));
        QCOMPARE(codes(form->UniLabel4->toolTip()),
                 codes(units({0x062F, 0x0627, 0x06AF, 0x0631, 0x0647, ' ', 'F', '2', ' '})));
        QCOMPARE(codes(form->UniLabel9->caption()),
                 codes(QStringLiteral("F2=Undo     F1=") +
                       units({0x0626, 0x06D5, 0x0646, 0x062C, 0x0627, 0x0645})));
        QCOMPARE(form->UniLabel8->caption().count(QLatin1Char('\n')), 1);
        QCOMPARE(form->Label2->caption(), QStringLiteral("%100"));
    }

    void hiddenControlsAreHidden()
    {
        form->show();
        for (QWidget *hidden : std::initializer_list<QWidget *>{form->Check1, form->Check2, form->Check3,
                                                                form->L, form->Picture2})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QVERIFY(form->Text1->isVisible());
        QVERIFY(form->Label14->isVisible());
        QCOMPARE(form->Timer1->interval(), 0);
        QCOMPARE(form->Timer2->interval(), 0);
    }

    void buttonLabelsShowTheHand()
    {
        QCOMPARE(form->Label10->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->Combo1->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->UniLabel7->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->Label13->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form->Text1->viewport()->cursor().shape(), Qt::IBeamCursor);
    }

    void labelsSitOnTheirPlatesInsideTheirBevels()
    {
        // Children are painted in list order: later ones on top.
        const QObjectList order = form->children();
        const auto index = [&](QObject *o) { return order.indexOf(o); };
        QVERIFY(index(form->Image1) < index(form->Shape5));
        QVERIFY(index(form->Shape5) < index(form->Li[0]));
        QVERIFY(index(form->Li[0]) < index(form->Label6));
        QVERIFY(index(form->UniLabel9) < index(form->UniButton1));
        // The switch's frame is one pixel outside the label.
        QCOMPARE(form->Li[0]->pointsTwips(), QLine(1890, 495, 3105, 495));
        QCOMPARE(form->Li[0]->borderColor(), QColor(255, 255, 255));
        QCOMPARE(form->Li[2]->borderColor(), QColor(64, 64, 64));
    }

    // Right to left, top row first; the letter boxes follow their switch while they show.
    void tabFollowsTheWindowRightToLeft_data()
    {
        QTest::addColumn<bool>("panelOpen");
        QTest::newRow("panel closed") << false;
        QTest::newRow("panel open") << true;
    }
    void tabFollowsTheWindowRightToLeft()
    {
        QFETCH(bool, panelOpen);
        const auto names = [](const char *list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
        QStringList expected =
            names("Label3 Label4 UniLabel5 UniLabel4 Combo1 Combo2 UniLabel7 UniLabel6 Check5 "
                  "Combo3 Check4 Label6 UniButton1 Label14");
        if (panelOpen)
            expected << names("TT1(0) TT1(1) TT1(2) TT1(3) TT1(4) TT1(5) TT1(6) TT1(7)");
        expected << names("Label10 Text3 Label11 Text2 Label12 Text1");
        form->Picture2->setVisible(panelOpen);
        QVERIFY(WindowTesting::showActive(form.get()));
        form->Label3->setFocus(Qt::TabFocusReason);
        QStringList forward;
        for (int i = 0; i < expected.size(); ++i) {
            forward << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(forward, expected);
        // Round the window and back again.
        QCOMPARE(QApplication::focusWidget(), form->Label3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->Text1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->Label12);
    }

    void everyButtonLabelWorksBySpaceAndAsAButton()
    {
        QVERIFY(WindowTesting::showActive(form.get()));
        for (Label *button : form->buttonLabels()) {
            const QString name = button->objectName();
            QVERIFY2(button->isButtonLike(), qPrintable(name));
            button->setFocus(Qt::TabFocusReason);
            QVERIFY2(button->hasFocus(), qPrintable(name));
            QString events;
            auto down = connect(button, &Label::mouseDown, this, [&] { events += QLatin1Char('d'); });
            auto up = connect(button, &Label::mouseUp, this, [&] { events += QLatin1Char('u'); });
            auto click = connect(button, &Label::click, this, [&] { events += QLatin1Char('c'); });
            QTest::keyPress(button, Qt::Key_Space);
            QCOMPARE(events, QStringLiteral("d"));
            QTest::keyRelease(button, Qt::Key_Space);
            QCOMPARE(events, QStringLiteral("duc"));
            for (const auto &c : {down, up, click})
                disconnect(c);

            QAccessibleInterface *access = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(access->role(), QAccessible::Button);
            QVERIFY2(!access->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
        // A mouse click leaves the focus where the user types.
        QCOMPARE(form->Label10->focusPolicy(), Qt::TabFocus);
    }

    void focusedLabelShowsAFrame()
    {
        QVERIFY(WindowTesting::showActive(form.get()));
        form->Text1->setFocus();
        const QImage unfocused = form->Label10->grab().toImage();
        form->Label10->setFocus(Qt::TabFocusReason);
        const QImage focused = form->Label10->grab().toImage();
        QVERIFY(unfocused != focused);
    }

    void controlsCarryNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Label10 by caption")
            << "Label10" << units({0x06AF, 0x0647, 0x0631, 0x0627, 0x0646, ' ', 'F', '3'});
        QTest::newRow("Label4 by tool tip")
            << "Label4" << units({0x064A, 0x0627, 0x0631, 0x0645, 0x0647, 0x062A, 0x0649});
        QTest::newRow("Label3 by tool tip")
            << "Label3" << units({0x0643, 0x0647, 0x0644, ' ', 0x0648, ' ', 0x067E, 0x0647, 0x0644});
        QTest::newRow("Combo1") << "Combo1" << units({0x0641, 0x06C6, 0x0646, 0x062A});
        QTest::newRow("Combo2") << "Combo2" << units({0x0642, 0x0647, 0x0628, 0x0627, 0x0631, 0x0647});
        QTest::newRow("Combo3") << "Combo3"
                                << units({0x0648, 0x0647, 0x0631, 0x06AF, 0x06CE, 0x0631, 0x0627, 0x0646});
        QTest::newRow("Text1") << "Text1"
                               << units({0x0634, 0x0648, 0x06CE, 0x0646, 0x0649, ' ', 0x0646, 0x0648, 0x0648,
                                         0x0633, 0x064A, 0x0646});
        QTest::newRow("Text2") << "Text2"
                               << units({0x0648, 0x0631, 0x06AF, 0x064A, 0x0651, 0x0631, 0x0627, 0x0646});
        QTest::newRow("Text3") << "Text3" << units({0x06AF, 0x0647, 0x0631, 0x0627, 0x0646, ' ', 'F', '3'});
        QTest::newRow("Check4 by caption")
            << "Check4"
            << units({' ', 0x0631, 0x0647, 0x0646, 0x06AF, 0x0649, ' ', 0x0631, 0x0647, 0x0634, ' '});
        QTest::newRow("TT1(6)") << "TT1(6)"
                                << units({0x06AF, 0x06C6, 0x0695, 0x064A, 0x0646, 0x0647, 0x0648, 0x0647,
                                          0x0649, ' ', 0x067E, 0x064A, 0x062A, 0x06CE, 0x0643, ' ', '4'});
        QTest::newRow("TT1(1)") << "TT1(1)"
                                << units({0x0628, 0x0647, ' ', 0x067E, 0x064A, 0x062A, 0x06CE, 0x0643, 0x064A,
                                          0x062A, 0x0631, ' ', 0x062A, 0x0631, ' ', '1'});
    }
    void controlsCarryNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        auto *control = form->findChild<QWidget *>(name);
        QVERIFY(control);
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(control);
        QVERIFY(access);
        QCOMPARE(codes(access->text(QAccessible::Name)), codes(expected));
    }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
