#include "app/PirtokApp.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QTest>

namespace {

const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);
const QColor Black(0, 0, 0);

// What the style handlers must leave alone in a box, as one comparable value.
QVariantList looksOf(const UniText *box)
{
    return {box->font(),        box->backColor(), box->foreColor(),
            box->rightToLeft(), box->alignment(), box->text()};
}

void clickCheckBox(CheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestFontStyle : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;

    int sizeEntry(const QString &size) { return form->Combo2->findText(size); }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        // Lists of known entries, whatever the start filled in.
        form->Combo1->clear();
        form->Combo1->addItems({QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")});
        form->Combo2->clear();
        for (int size = 8; size <= 74; size += 2)
            form->Combo2->addItem(QString::number(size));
        form->Combo2->setText(QStringLiteral("8"));
    }
    void cleanup() { fx.stop(); }

    void togglesTwiceComeBackToWhereTheyStarted_data()
    {
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QList<int>>("lines"); // top, bottom, right, left
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("B") << "UniLabel6"
                           << "Check2" << QList<int>{8, 9, 10, 11} << Qt::LeftButton;
        QTest::newRow("I") << "UniLabel7"
                           << "Check3" << QList<int>{15, 14, 13, 12} << Qt::LeftButton;
        QTest::newRow("B, right button") << "UniLabel6"
                                         << "Check2" << QList<int>{8, 9, 10, 11} << Qt::RightButton;
    }
    void togglesTwiceComeBackToWhereTheyStarted()
    {
        QFETCH(QString, toggle);
        QFETCH(QString, state);
        QFETCH(QList<int>, lines);
        QFETCH(Qt::MouseButton, button);
        auto *label = form->findChild<Label *>(toggle);
        auto *held = form->findChild<CheckBox *>(state);
        const auto lineColours = [&] {
            QList<QColor> colours;
            for (int i : lines)
                colours << form->Li[i]->borderColor();
            return colours;
        };
        const QList<QColor> raised = {White, DarkGrey, DarkGrey, White};
        const QList<QColor> pressed = {DarkGrey, White, White, DarkGrey};
        const QRect designed = label->geometryTwips();
        QCOMPARE(held->value(), 0);
        QCOMPARE(designed.top(), 510);
        QCOMPARE(lineColours(), raised);

        QTest::mouseClick(label, button);
        QCOMPARE(held->value(), 1);
        QCOMPARE(label->geometryTwips(), designed.translated(0, 15));
        QCOMPARE(lineColours(), pressed);

        QTest::mouseClick(label, button);
        QCOMPARE(held->value(), 0);
        QCOMPARE(label->geometryTwips(), designed);
        QCOMPARE(lineColours(), raised);
    }

    void eachToggleAppliesBothStyles()
    {
        QTest::mouseClick(form->UniLabel6, Qt::LeftButton);
        QVERIFY(form->Text1->font().bold());
        QVERIFY(!form->Text1->font().italic());
        QTest::mouseClick(form->UniLabel7, Qt::LeftButton);
        QVERIFY(form->Text1->font().bold());
        QVERIFY(form->Text1->font().italic());
        QTest::mouseClick(form->UniLabel6, Qt::LeftButton);
        QVERIFY(!form->Text1->font().bold());
        QVERIFY(form->Text1->font().italic());
    }

    void pickingAFontWithoutASizeTakesSizeEight()
    {
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("20")));
        form->Combo2->setText(QString());
        form->Combo1->setText(QString());
        const int entry = form->Combo1->findText(QStringLiteral("DejaVu Serif"));
        QVERIFY(entry >= 0);
        form->Combo1->setListIndex(entry);
        QCOMPARE(form->Combo2->text(), QStringLiteral("8"));
        QCOMPARE(form->Text1->font().pointSizeF(), 8.0);
        QCOMPARE(form->Text1->fontName(), QStringLiteral("DejaVu Serif"));
    }

    void pickingASizeAppliesTheWholeFont()
    {
        // Typed into the lists and the hidden state, applied only by the pick.
        form->Combo1->setText(QStringLiteral("DejaVu Serif"));
        form->Check2->setValue(1);
        form->Check3->setValue(1);
        QVERIFY(!form->Text1->font().bold());
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("24")));
        QCOMPARE(form->Text1->fontName(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(form->Text1->font().pointSizeF(), 24.0);
        QVERIFY(form->Text1->font().bold());
        QVERIFY(form->Text1->font().italic());
    }

    void aPickFromTheKeyboardApplies()
    {
        QVERIFY(WindowTesting::showActive(form));
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("30")));
        form->Combo2->setFocus();
        QTest::keyClick(form->Combo2, Qt::Key_Down);
        QCOMPARE(form->Combo2->text(), QStringLiteral("32"));
        QCOMPARE(form->Text1->font().pointSizeF(), 32.0);
    }

    void aRefusedValueLeavesTheRestApplied_data()
    {
        QTest::addColumn<QString>("size");
        QTest::newRow("a word") << "big";
        QTest::newRow("zero") << "0";
    }
    void aRefusedValueLeavesTheRestApplied()
    {
        QFETCH(QString, size);
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("14")));
        QCOMPARE(form->Text1->font().pointSizeF(), 14.0);
        form->Combo2->setText(size);
        form->Check2->setValue(1);
        form->Combo1->setListIndex(form->Combo1->findText(QStringLiteral("DejaVu Serif")));
        QCOMPARE(form->Combo2->text(), size); // not empty: left as the user typed it
        QCOMPARE(form->Text1->font().pointSizeF(), 14.0);
        QCOMPARE(form->Text1->fontName(), QStringLiteral("DejaVu Serif"));
        QVERIFY(form->Text1->font().bold());
    }

    void blackBackgroundBothWays()
    {
        form->Text1->setBackColor(QColor(10, 200, 30));
        form->Text1->setForeColor(QColor(250, 0, 250));
        clickCheckBox(form->Check4);
        QCOMPARE(form->Check4->value(), 1);
        QCOMPARE(form->Text1->backColor(), Black);
        QCOMPARE(form->Text1->foreColor(), White);
        form->Text1->setBackColor(QColor(10, 200, 30));
        clickCheckBox(form->Check4);
        QCOMPARE(form->Check4->value(), 0);
        QCOMPARE(form->Text1->backColor(), White);
        QCOMPARE(form->Text1->foreColor(), Black);
    }

    void programChangesActAsTheUsers()
    {
        form->Check4->setValue(1);
        QCOMPARE(form->Text1->backColor(), Black);
        form->Check5->setValue(1);
        QVERIFY(!form->Text1->rightToLeft());
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("40")));
        QCOMPARE(form->Text1->font().pointSizeF(), 40.0);
    }

    void directionKeepsTextAndSelection_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden window") << false;
        QTest::newRow("shown window") << true;
    }
    void directionKeepsTextAndSelection()
    {
        QFETCH(bool, shown);
        if (shown)
            QVERIFY(WindowTesting::showActive(form));
        const QString text = QStringLiteral("first line\nsecond line");
        form->Text1->setText(text);
        form->Text1->setSelStart(6);
        form->Text1->setSelLength(9);
        int changes = 0;
        connect(form->Text1, &UniText::change, this, [&changes] { ++changes; });

        clickCheckBox(form->Check5);
        QCOMPARE(form->Check5->value(), 1);
        QCOMPARE(form->Text1->alignment(), 0);
        QVERIFY(!form->Text1->rightToLeft());
        QCOMPARE(form->Text1->text(), text);
        QCOMPARE(form->Text1->selStart(), 6);
        QCOMPARE(form->Text1->selLength(), 9);

        clickCheckBox(form->Check5);
        QCOMPARE(form->Text1->alignment(), 1);
        QVERIFY(form->Text1->rightToLeft());
        QCOMPARE(form->Text1->text(), text);
        QCOMPARE(form->Text1->selStart(), 6);
        QCOMPARE(form->Text1->selLength(), 9);
        QCOMPARE(changes, 0);
        if (shown)
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text1));
    }

    void onlyTheMainTextChanges()
    {
        form->Picture2->show();
        form->Text2->setText(QStringLiteral("two"));
        form->Text3->setText(QStringLiteral("three"));
        std::vector<UniText *> others = {form->Text2, form->Text3};
        others.insert(others.end(), form->TT1.begin(), form->TT1.end());
        std::vector<QVariantList> before;
        for (UniText *box : others)
            before.push_back(looksOf(box));

        form->Combo1->setListIndex(form->Combo1->findText(QStringLiteral("DejaVu Serif")));
        form->Combo2->setListIndex(sizeEntry(QStringLiteral("36")));
        QTest::mouseClick(form->UniLabel6, Qt::LeftButton);
        QTest::mouseClick(form->UniLabel7, Qt::LeftButton);
        clickCheckBox(form->Check4);
        clickCheckBox(form->Check5);

        for (std::size_t i = 0; i < others.size(); ++i)
            QVERIFY2(looksOf(others[i]) == before[i], qPrintable(others[i]->objectName()));
        QCOMPARE(form->Text1->font().pointSizeF(), 36.0);
    }

    void focusGoesBackOnlyToABoxTheUserWorkedIn_data()
    {
        QTest::addColumn<int>("activeBox");
        QTest::addColumn<QString>("focused");
        QTest::newRow("no box yet") << 0 << "Text2";
        QTest::newRow("Text3") << 3 << "Text3";
        QTest::newRow("Text1") << 1 << "Text1";
    }
    void focusGoesBackOnlyToABoxTheUserWorkedIn()
    {
        QFETCH(int, activeBox);
        QFETCH(QString, focused);
        QVERIFY(WindowTesting::showActive(form));
        form->ActiveBox = activeBox;
        const std::function<void()> actions[] = {
            [this] { QTest::mouseClick(form->UniLabel6, Qt::LeftButton); },
            [this] { QTest::mouseClick(form->UniLabel7, Qt::LeftButton); },
            // A click would focus the check box itself, as any click on it does.
            [this] { form->Check4->setValue(1 - form->Check4->value()); },
        };
        for (const auto &action : actions) {
            form->Text2->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text2));
            action();
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
        }
    }
};

QTEST_MAIN(TestFontStyle)
#include "test_font_style.moc"
