#include "keyboard/core/KurdishKeyMap.h"
#include "ui/WindowMove.h"
#include "viewer/Form1.h"
#include "viewer/HelpKeys.h"
#include "viewer/KeyboardPicture.h"

#include <QSet>
#include <QTest>
#include <QWindow>

#include <map>

class TestViewer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        WindowMove::setFunction({});
        form.reset();
    }

    void windowIsItsPictureWithoutFrame()
    {
        QCOMPARE(form->size(), QSize(446, 189));
        QCOMPARE(form->geometryTwips().size(), QSize(6690, 2835));
        QCOMPARE(form->Im->geometryTwips(), QRect(0, 0, 6690, 2835));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    }

    void closeMarkSitsOverTheTopRightCorner()
    {
        Label *x = form->Label1;
        QCOMPARE(x->caption(), QStringLiteral("X"));
        QCOMPARE(x->geometryTwips(), QRect(6360, 0, 240, 315));
        QCOMPARE(6690 - (x->leftTwips() + x->widthTwips()), 90);
        QCOMPARE(x->foreColor(), QColor(255, 0, 0));
        QVERIFY(x->font().bold());
        QCOMPARE(x->border(), Label::Border::None);
        QVERIFY(x->isVisible());
        QVERIFY(form->childAt(x->geometry().center()) == x);
    }

    void closeMarkShowsItsBorderWhilePressedAndClosesOnClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void closeMarkShowsItsBorderWhilePressedAndClosesOnClick()
    {
        QFETCH(Qt::MouseButton, button);
        Label *x = form->Label1;
        QTest::mousePress(x, button);
        QCOMPARE(x->border(), Label::Border::Single);
        QVERIFY(form->isVisible());
        QTest::mouseRelease(x, button);
        QCOMPARE(x->border(), Label::Border::None);
        QVERIFY(!form->isVisible());
    }

    void escapeClosesAsTheCloseMarkDoes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("esc") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
        QTest::newRow("shift esc") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                   << false;
        QTest::newRow("another key") << int(Qt::Key_X) << Qt::KeyboardModifiers() << false;
    }
    void escapeClosesAsTheCloseMarkDoes()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, closes);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key(key), modifiers);
        QCOMPARE(form->isVisible(), !closes);
    }

    void releasingOffTheCloseMarkKeepsTheWindow()
    {
        Label *x = form->Label1;
        QTest::mousePress(x, Qt::LeftButton);
        QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(-40, 60));
        QCOMPARE(x->border(), Label::Border::None);
        QVERIFY(form->isVisible());
    }

    void anyButtonOnThePictureMovesTheWindow_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonOnThePictureMovesTheWindow()
    {
        QFETCH(Qt::MouseButton, button);
        QList<QWindow *> moved;
        WindowMove::setFunction([&moved](QWindow *window) { moved << window; });
        QTest::mousePress(form->Im, button, {}, QPoint(100, 100));
        QTest::mouseRelease(form->Im, button, {}, QPoint(100, 100));
        QCOMPARE(moved, QList<QWindow *>{form->windowHandle()});
        QVERIFY(form->isVisible());
    }

    void pictureIsPaintedAtTheScreensDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << qreal(1);
        QTest::newRow("2") << qreal(2);
        QTest::newRow("1.5") << qreal(1.5);
    }
    void pictureIsPaintedAtTheScreensDensity()
    {
        QFETCH(qreal, ratio);
        const QPixmap picture = KeyboardPicture::render(ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(446, 189));
        QCOMPARE(picture.size(), (QSizeF(446, 189) * ratio).toSize());
    }

    void everyRowIsFifteenKeysWide()
    {
        std::map<int, double> widths;
        for (const HelpKeys::Key &key : HelpKeys::Keys) {
            QVERIFY(key.width > 0);
            QVERIFY(key.row >= 0 && key.row < HelpKeys::RowCount);
            widths[key.row] += key.width;
        }
        QCOMPARE(int(widths.size()), HelpKeys::RowCount);
        for (const auto &[row, width] : widths)
            QVERIFY2(qFuzzyCompare(width, HelpKeys::RowUnits), qPrintable(QString::number(row)));
    }

    // The picture shows the Kurdish keyboard: what the Arabic layout types on each key, passed
    // through the program's own character map.
    void keysShowWhatTheKurdishKeyboardTypes()
    {
        int letterKeys = 0;
        for (const HelpKeys::Key &key : HelpKeys::Keys) {
            if (!key.arabic)
                continue;
            ++letterKeys;
            QString typed;
            for (const char16_t unit : std::u16string_view(key.arabic))
                typed.append(QChar(pirtok::TranslateKey(unit)));
            QCOMPARE(QString::fromUtf16(key.caption), typed);
        }
        QCOMPARE(letterKeys, 34); // the backquote and every letter key of the three letter rows
        for (const HelpKeys::ShiftedLetter &shifted : HelpKeys::ShiftedLetters)
            QCOMPARE(QString(QChar(pirtok::TranslateKey(shifted.arabicShifted))),
                     QString::fromUtf16(shifted.letter));
    }

    void everyKurdishLetterOfTheMapIsShown()
    {
        QSet<char16_t> shown;
        for (const HelpKeys::Key &key : HelpKeys::Keys)
            if (key.caption)
                for (const char16_t unit : std::u16string_view(key.caption))
                    shown.insert(unit);
        for (const HelpKeys::ShiftedLetter &shifted : HelpKeys::ShiftedLetters)
            shown.insert(shifted.letter[0]);
        for (const char16_t kurdish : {u'\u06C6', u'\u067E', u'\u0695', u'\u0686', u'\u06A4', u'\u0698',
                                       u'\u06B5', u'\u06AF', u'\u06CE', u'\u06D5'})
            QVERIFY2(shown.contains(kurdish), qPrintable(QString::number(kurdish, 16)));
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
