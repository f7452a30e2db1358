#include "look/core/WindowLayout.h"

#include <QTest>

using namespace pirtok;

Q_DECLARE_METATYPE(pirtok::WindowSizes)

namespace {

WindowSizes sizes(int W, int H, int IW, int IH, int T = 375)
{
    WindowSizes s;
    s.outerWidth = W;
    s.outerHeight = H;
    s.innerWidth = IW;
    s.innerHeight = IH;
    s.stripHeight = T;
    return s;
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placesEverything_data();
    void placesEverything();
    void keepsTheMinimumSize_data();
    void keepsTheMinimumSize();
    void wideningMovesOnlyWhatFollowsTheRightEdge_data();
    void wideningMovesOnlyWhatFollowsTheRightEdge();
    void heighteningLengthensTextAndFrames_data();
    void heighteningLengthensTextAndFrames();
    void minimumNeverExceedsTheScreen_data();
    void minimumNeverExceedsTheScreen();
    void windowShrinksToASmallScreen();
    void centresOrKeepsInsideTheScreen_data();
    void centresOrKeepsInsideTheScreen();
};

void TestWindowLayout::minimumNeverExceedsTheScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("unknown screen") << QSize() << QSize(14055, 4500);
    QTest::newRow("large screen") << QSize(1920 * 15, 1040 * 15) << QSize(14055, 4500);
    // 1366 x 768 at a scale of 1.5 and 1280 x 900 at 2, less a panel.
    QTest::newRow("1366x768 at 1.5") << QSize(910 * 15, 482 * 15) << QSize(13650, 4500);
    QTest::newRow("1280x900 at 2") << QSize(640 * 15, 430 * 15) << QSize(9600, 4500);
    QTest::newRow("very low") << QSize(640 * 15, 200 * 15) << QSize(9600, 3000);
}

void TestWindowLayout::minimumNeverExceedsTheScreen()
{
    QFETCH(QSize, available);
    QFETCH(QSize, minimum);
    QCOMPARE(minimumOuterSize(available), minimum);
}

void TestWindowLayout::windowShrinksToASmallScreen()
{
    // The designed window, 13920 x 8445 inside a frame, on a screen of 640 x 430 pixels.
    WindowSizes s = sizes(14070, 8895, 13920, 8445);
    s.availableWidth = 9600;
    s.availableHeight = 6450;
    const WindowLayout layout = layOutWindow(s);
    QCOMPARE(layout.outerSize, QSize(9600, 6450));
    QCOMPARE(layout.innerSize, QSize(13920 - 4470, 8445 - 2445));
    QCOMPARE(layout.strip.width(), 9600);
    QCOMPARE(layout.frames[0], QRect(0, 0, 9600, 6450));
    QCOMPARE(layout.helpLeft, 9600 - 900);
    QVERIFY(layout.text.right() < layout.innerSize.width());
}

void TestWindowLayout::centresOrKeepsInsideTheScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("fits: centred on the screen")
        << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040) << QSize(940, 600) << QPoint(490, 240);
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 1024)
                                   << QSize(940, 600) << QPoint(2090, 212);
    QTest::newRow("panel on top: moved below it")
        << QRect(0, 0, 1000, 620) << QRect(0, 40, 1000, 580) << QSize(940, 570) << QPoint(30, 40);
    QTest::newRow("larger than the area: top left kept inside")
        << QRect(0, 0, 640, 450) << QRect(0, 20, 640, 430) << QSize(700, 500) << QPoint(0, 20);
    QTest::newRow("unknown area: centred")
        << QRect(0, 0, 640, 450) << QRect() << QSize(700, 500) << QPoint(-30, -25);
}

void TestWindowLayout::centresOrKeepsInsideTheScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(centredPosition(screen, available, outer), expected);
}

void TestWindowLayout::placesEverything_data()
{
    QTest::addColumn<WindowSizes>("in");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<QRect>("outerFrame");
    QTest::addColumn<QRect>("middleFrame");
    QTest::addColumn<QRect>("innerFrame");
    QTest::addColumn<QLine>("topRidge");
    QTest::addColumn<QLine>("middleRidge");
    QTest::addColumn<int>("settingsLeft");
    QTest::addColumn<int>("helpLeft");

    QTest::newRow("no frame, minimum width")
        << sizes(14055, 8445, 14055, 8445) << QRect(90, 1260, 13935, 7125) << QRect(0, 0, 14055, 8445)
        << QRect(30, 405, 13995, 8010) << QRect(60, 435, 13935, 7950) << QLine(75, 1185, 13980, 1185)
        << QLine(45, 1215, 14010, 1215) << 13455 << 13155;
    // A frame of 8 pixels a side and a title bar of 24: the outer size drives the frames and
    // the corner symbols, the client area drives the text.
    QTest::newRow("framed, designed client area")
        << sizes(14160, 8925, 13920, 8445) << QRect(90, 1260, 13800, 7125) << QRect(0, 0, 14160, 8925)
        << QRect(30, 405, 14100, 8490) << QRect(60, 435, 14040, 8430) << QLine(75, 1185, 14085, 1185)
        << QLine(45, 1215, 14115, 1215) << 13560 << 13260;
    QTest::newRow("taller strip") << sizes(16000, 9000, 16000, 9000, 600) << QRect(90, 1485, 15880, 7455)
                                  << QRect(0, 0, 16000, 9000) << QRect(30, 630, 15940, 8340)
                                  << QRect(60, 660, 15880, 8280) << QLine(75, 1410, 15925, 1410)
                                  << QLine(45, 1440, 15955, 1440) << 15400 << 15100;
}

void TestWindowLayout::placesEverything()
{
    QFETCH(WindowSizes, in);
    const WindowLayout out = layOutWindow(in);
    QTEST(out.text, "text");
    QTEST(out.frames[0], "outerFrame");
    QTEST(out.frames[2], "middleFrame");
    QTEST(out.frames[4], "innerFrame");
    QTEST(out.ridgeLines[0], "topRidge");
    QTEST(out.ridgeLines[2], "middleRidge");
    QTEST(out.settingsLeft, "settingsLeft");
    QTEST(out.helpLeft, "helpLeft");
    QCOMPARE(out.strip, QRect(0, 0, in.outerWidth, in.stripHeight));
    QCOMPARE(out.iconLeft, 60);
    QCOMPARE(out.titleLeft, 435); // beside the 315-wide icon
    // The main text ends 60 above the bottom of the client area.
    QCOMPARE(out.text.top() + out.text.height(), in.innerHeight - 60);
}

void TestWindowLayout::keepsTheMinimumSize_data()
{
    QTest::addColumn<WindowSizes>("in");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("inner");
    QTest::addColumn<QRect>("text");

    QTest::newRow("narrower: only the width snaps back")
        << sizes(10000, 6000, 9880, 5520) << QSize(14055, 6000) << QSize(13935, 5520)
        << QRect(90, 1260, 13815, 4200);
    QTest::newRow("lower: only the height snaps back")
        << sizes(15000, 3000, 15000, 3000) << QSize(15000, 4500) << QSize(15000, 4500)
        << QRect(90, 1260, 14880, 3180);
    QTest::newRow("both") << sizes(1000, 1000, 880, 520) << QSize(14055, 4500) << QSize(13935, 4020)
                          << QRect(90, 1260, 13815, 2700);
    QTest::newRow("exactly the minimum") << sizes(14055, 4500, 14055, 4500) << QSize(14055, 4500)
                                         << QSize(14055, 4500) << QRect(90, 1260, 13935, 3180);
}

void TestWindowLayout::keepsTheMinimumSize()
{
    QFETCH(WindowSizes, in);
    const WindowLayout out = layOutWindow(in);
    QTEST(out.outerSize, "outer");
    QTEST(out.innerSize, "inner");
    QTEST(out.text, "text");
    QCOMPARE(out.frames[0].size(), out.outerSize);
    QCOMPARE(out.strip.width(), out.outerSize.width());
}

void TestWindowLayout::wideningMovesOnlyWhatFollowsTheRightEdge_data()
{
    QTest::addColumn<WindowSizes>("in");
    QTest::newRow("no frame") << sizes(14055, 8445, 14055, 8445);
    QTest::newRow("framed") << sizes(14160, 8925, 13920, 8445);
    QTest::newRow("from below the minimum") << sizes(12555, 8445, 12555, 8445);
}

void TestWindowLayout::wideningMovesOnlyWhatFollowsTheRightEdge()
{
    QFETCH(WindowSizes, in);
    const WindowLayout before = layOutWindow(in);
    WindowSizes wider = in;
    const int added = 1500;
    wider.outerWidth = before.outerSize.width() + added;
    wider.innerWidth = before.innerSize.width() + added;
    const WindowLayout after = layOutWindow(wider);

    QCOMPARE(after.text, before.text.adjusted(0, 0, added, 0));
    QCOMPARE(after.strip, before.strip.adjusted(0, 0, added, 0));
    for (std::size_t i = 0; i < after.frames.size(); ++i) {
        QCOMPARE(after.frames[i], before.frames[i].adjusted(0, 0, added, 0));
        const QLine &b = before.ridgeLines[i];
        QCOMPARE(after.ridgeLines[i], QLine(b.x1(), b.y1(), b.x2() + added, b.y2()));
    }
    QCOMPARE(after.settingsLeft, before.settingsLeft + added);
    QCOMPARE(after.helpLeft, before.helpLeft + added);
    QCOMPARE(after.iconLeft, before.iconLeft);
    QCOMPARE(after.titleLeft, before.titleLeft);
}

void TestWindowLayout::heighteningLengthensTextAndFrames_data()
{
    QTest::addColumn<WindowSizes>("in");
    QTest::addColumn<int>("added");
    QTest::newRow("no frame, +1000") << sizes(14055, 8445, 14055, 8445) << 1000;
    QTest::newRow("framed, +15") << sizes(14160, 8925, 13920, 8445) << 15;
    QTest::newRow("minimum height, +6000") << sizes(14055, 4500, 14055, 4500) << 6000;
}

void TestWindowLayout::heighteningLengthensTextAndFrames()
{
    QFETCH(WindowSizes, in);
    QFETCH(int, added);
    const WindowLayout before = layOutWindow(in);
    WindowSizes taller = in;
    taller.outerHeight += added;
    taller.innerHeight += added;
    const WindowLayout after = layOutWindow(taller);

    QCOMPARE(after.text, before.text.adjusted(0, 0, 0, added));
    QCOMPARE(after.text.top(), in.stripHeight + 885);
    for (std::size_t i = 0; i < after.frames.size(); ++i)
        QCOMPARE(after.frames[i], before.frames[i].adjusted(0, 0, 0, added));
    QCOMPARE(after.ridgeLines, before.ridgeLines);
    QCOMPARE(after.strip, before.strip);
}

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
