#include "panel/core/PanelGeometry.h"
#include "panel/core/SlidingPanel.h"

#include <QTest>

#include <array>

using namespace pirtok;

namespace {

// A window that goes where it is told and writes down what happened to it.
class RecordingHost : public PanelHost
{
public:
    QRect window;
    QStringList events;
    QStringList tops; // every move, as the top it went to
    bool topmost = false;
    std::array<int, 4> intervals{};

    QRect windowTwips() const override { return window; }
    void moveWindowTwips(int left, int top) override
    {
        window.moveTo(left, top);
        tops << QString::number(top);
    }
    void makeTopmost() override { topmost = true; }
    void setTimerInterval(PanelTimer timer, int milliseconds) override
    {
        intervals[static_cast<size_t>(timer)] = milliseconds;
    }
    void raiseEvent(PanelEvent event) override { events << QString::fromLatin1(panelEventName(event)); }

    int interval(PanelTimer timer) const { return intervals[static_cast<size_t>(timer)]; }
};

constexpr int ScreenPixels = 1024;

} // namespace

class TestSlidingPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slideStep_data();
    void slideStep();
    void pointerIsOver_data();
    void pointerIsOver();
    void delayedStart_data();
    void delayedStart();
    void script_data();
    void script();
};

void TestSlidingPanel::slideStep_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("numSteps");
    QTest::addColumn<int>("step");
    QTest::newRow("600 in 4") << 600 << 4 << 150;
    QTest::newRow("22.5 to even 22") << 90 << 4 << 22;
    QTest::newRow("7.5 to even 8") << 30 << 4 << 8;
    QTest::newRow("157.5 to even 158") << 630 << 4 << 158;
    QTest::newRow("2.5 to even 2") << 10 << 4 << 2;
    QTest::newRow("one step") << 600 << 1 << 600;
    QTest::newRow("0 steps taken as 1") << 600 << 0 << 600;
    QTest::newRow("negative steps taken as 1") << 600 << -3 << 600;
    QTest::newRow("more steps than half-twips: still moves") << 600 << 5000 << 1;
    QTest::newRow("empty window still moves") << 0 << 4 << 1;
}

void TestSlidingPanel::slideStep()
{
    QFETCH(int, height);
    QFETCH(int, numSteps);
    QFETCH(int, step);
    QCOMPARE(PanelGeometry::slideStep(height, numSteps), step);
}

void TestSlidingPanel::pointerIsOver_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("over");
    // The window: left 100, top 50, 200 wide, 40 high.
    QTest::newRow("inside") << QPoint(150, 70) << true;
    QTest::newRow("top-left corner") << QPoint(100, 50) << true;
    QTest::newRow("on the right edge") << QPoint(300, 70) << true;
    QTest::newRow("on the bottom edge") << QPoint(150, 90) << true;
    QTest::newRow("bottom-right corner") << QPoint(300, 90) << true;
    QTest::newRow("left of it") << QPoint(99, 70) << false;
    QTest::newRow("above it") << QPoint(150, 49) << false;
    QTest::newRow("past the right edge") << QPoint(301, 70) << false;
    QTest::newRow("below the bottom edge") << QPoint(150, 91) << false;
}

void TestSlidingPanel::pointerIsOver()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, over);
    QCOMPARE(PanelGeometry::pointerIsOver(QRect(100, 50, 200, 40), pointer), over);
}

void TestSlidingPanel::delayedStart_data()
{
    QTest::addColumn<int>("screenPixels");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("hangDown");
    QTest::addColumn<int>("twipsPerPixel");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("600 high, 2 pixels hang down")
        << 1024 << QRect(500, 300, 6000, 600) << 2 << 15 << QPoint(4680, -570);
    QTest::newRow("hang 0: all hidden") << 1024 << QRect(0, 0, 6000, 600) << 0 << 15 << QPoint(4680, -600);
    QTest::newRow("half a twip to even") << 1024 << QRect(0, 0, 6015, 600) << 2 << 15 << QPoint(4672, -570);
    QTest::newRow("2560 pixels wide") << 2560 << QRect(0, 0, 6000, 600) << 2 << 15 << QPoint(16200, -570);
    QTest::newRow("7680 pixels wide") << 7680 << QRect(0, 0, 6000, 600) << 2 << 15 << QPoint(54600, -570);
    QTest::newRow("12 twips a pixel") << 1024 << QRect(0, 0, 6000, 600) << 2 << 12 << QPoint(3144, -576);
    QTest::newRow("wider than the screen") << 100 << QRect(0, 0, 3000, 600) << 2 << 15 << QPoint(-750, -570);
}

void TestSlidingPanel::delayedStart()
{
    QFETCH(int, screenPixels);
    QFETCH(QRect, window);
    QFETCH(int, hangDown);
    QFETCH(int, twipsPerPixel);
    QFETCH(QPoint, placed);

    RecordingHost host;
    host.window = window;
    SlidingPanel panel(host);
    panel.scheduleDelayedStart();
    QCOMPARE(host.interval(PanelTimer::DelayedInit), SlidingPanel::DelayedInitInterval);
    panel.setHangDown(hangDown);
    panel.delayedStart({screenPixels, twipsPerPixel, twipsPerPixel});

    QCOMPARE(panel.ScreenWidthTwips(), screenPixels * twipsPerPixel);
    QCOMPARE(host.window.topLeft(), placed);
    QCOMPARE(host.window.size(), window.size());
    QCOMPARE(panel.closedTop(), placed.y());
    QVERIFY(host.topmost);
    QCOMPARE(host.interval(PanelTimer::DelayedInit), 0);
    QCOMPARE(host.interval(PanelTimer::CheckMouseOver), SlidingPanel::CheckInterval);
    QCOMPARE(host.interval(PanelTimer::AppFocus), SlidingPanel::CheckInterval);
    QCOMPARE(host.interval(PanelTimer::Sliding), 0);
    QVERIFY(host.events.isEmpty());
    QVERIFY(!panel.IsTaskbarOut());
}

// A script is a list of words, run in order on a panel started on a 1024-pixel screen
// (its window then rests at the closed position): "down"/"up" request a slide, "tick" runs one
// slide tick, "run" ticks until the slide timer stops, "focus"/"blur" and "over"/"away" are
// the readings of a focus and a pointer check.
void TestSlidingPanel::script_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("numSteps");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("tops");
    QTest::addColumn<bool>("isOut");
    QTest::addColumn<bool>("isMoving");

    const QString open = QStringLiteral("-420 -270 -120 0");
    QTest::newRow("slide down, 150 a tick") << 600 << 4 << "down run"
                                            << "StartOpenUp EndOpenUp" << open << true << false;
    QTest::newRow("slide down and up") << 600 << 4 << "down run up run"
                                       << "StartOpenUp EndOpenUp StartCloseUp EndCloseUp"
                                       << open + QStringLiteral(" -150 -300 -450 -570") << false << false;
    QTest::newRow("step 157.5 rounds to 158") << 630 << 4 << "down run"
                                              << "StartOpenUp EndOpenUp"
                                              << "-442 -284 -126 0" << true << false;
    QTest::newRow("one step") << 600 << 1 << "down run"
                              << "StartOpenUp EndOpenUp"
                              << "0" << true << false;
    QTest::newRow("0 steps taken as 1") << 600 << 0 << "down run"
                                        << "StartOpenUp EndOpenUp"
                                        << "0" << true << false;
    QTest::newRow("slide down turned back") << 600 << 4 << "down tick tick up run"
                                            << "StartOpenUp ChangeCloseUp EndCloseUp"
                                            << "-420 -270 -420 -570" << false << false;
    QTest::newRow("slide up turned back") << 600 << 4 << "down run up tick down run"
                                          << "StartOpenUp EndOpenUp StartCloseUp ChangeOpenUp EndOpenUp"
                                          << open + QStringLiteral(" -150 0") << true << false;
    QTest::newRow("down asked again on the way")
        << 600 << 4 << "down tick down run"
        << "StartOpenUp StartOpenUp EndOpenUp" << open << true << false;
    QTest::newRow("up asked again on the way")
        << 600 << 4 << "down run up tick up run"
        << "StartOpenUp EndOpenUp StartCloseUp StartCloseUp EndCloseUp"
        << open + QStringLiteral(" -150 -300 -450 -570") << false << false;
    QTest::newRow("down when out: one tick, end event only")
        << 600 << 4 << "down run down run"
        << "StartOpenUp EndOpenUp EndOpenUp" << open + QStringLiteral(" 0") << true << false;
    QTest::newRow("up when closed: one tick, end event only") << 600 << 4 << "up run"
                                                              << "EndCloseUp"
                                                              << "-570" << false << false;
    QTest::newRow("out while sliding up")
        << 600 << 4 << "down run up tick"
        << "StartOpenUp EndOpenUp StartCloseUp" << open + QStringLiteral(" -150") << true << true;
    QTest::newRow("out while sliding down") << 600 << 4 << "down tick"
                                            << "StartOpenUp"
                                            << "-420" << true << true;

    QTest::newRow("focus slides down, pointer elsewhere")
        << 600 << 4 << "away focus run"
        << "AppGotFocus StartOpenUp EndOpenUp" << open << true << false;
    QTest::newRow("losing the focus slides up under the pointer")
        << 600 << 4 << "over run focus run blur run"
        << "MouseOver StartOpenUp EndOpenUp AppGotFocus EndOpenUp AppLostFocus StartCloseUp EndCloseUp"
        << open + QStringLiteral(" 0 -150 -300 -450 -570") << false << false;
    QTest::newRow("pointer ignored while focused")
        << 600 << 4 << "focus run over away run"
        << "AppGotFocus StartOpenUp EndOpenUp MouseOver MouseLeft" << open << true << false;
    QTest::newRow("pointer in and out without focus")
        << 600 << 4 << "over run away run"
        << "MouseOver StartOpenUp EndOpenUp MouseLeft StartCloseUp EndCloseUp"
        << open + QStringLiteral(" -150 -300 -450 -570") << false << false;
    QTest::newRow("pointer leaves halfway down") << 600 << 4 << "over tick away run"
                                                 << "MouseOver StartOpenUp MouseLeft ChangeCloseUp EndCloseUp"
                                                 << "-420 -570" << false << false;
    QTest::newRow("unchanged readings raise nothing") << 600 << 4 << "blur away over over focus focus"
                                                      << "MouseOver StartOpenUp AppGotFocus StartOpenUp"
                                                      << "" << true << true;
}

void TestSlidingPanel::script()
{
    QFETCH(int, height);
    QFETCH(int, numSteps);
    QFETCH(QString, script);
    QFETCH(QString, events);
    QFETCH(QString, tops);
    QFETCH(bool, isOut);
    QFETCH(bool, isMoving);

    RecordingHost host;
    host.window = QRect(0, 0, 6000, height);
    SlidingPanel panel(host);
    panel.setNumSteps(numSteps);
    panel.scheduleDelayedStart();
    panel.delayedStart({ScreenPixels, 15, 15});
    host.tops.clear();

    for (const QString &word : script.split(QLatin1Char(' '))) {
        if (word == QLatin1String("down") || word == QLatin1String("up")) {
            panel.StartSliding(word == QLatin1String("down"));
            QCOMPARE(host.interval(PanelTimer::Sliding), SlidingPanel::SlidingInterval);
        } else if (word == QLatin1String("tick")) {
            panel.slideTick();
        } else if (word == QLatin1String("run")) {
            for (int ticks = 0; host.interval(PanelTimer::Sliding) > 0; ++ticks) {
                QVERIFY2(ticks < 100, "the slide does not end");
                panel.slideTick();
            }
        } else if (word == QLatin1String("focus") || word == QLatin1String("blur")) {
            panel.checkFocus(word == QLatin1String("focus"));
        } else if (word == QLatin1String("over") || word == QLatin1String("away")) {
            panel.checkMouseOver(word == QLatin1String("over"));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown word ") + word));
        }
    }

    QCOMPARE(host.events.join(QLatin1Char(' ')), events);
    QCOMPARE(host.tops.join(QLatin1Char(' ')), tops);
    QCOMPARE(panel.IsTaskbarOut(), isOut);
    QCOMPARE(panel.IsTaskbarMoving(), isMoving);
    QCOMPARE(host.interval(PanelTimer::Sliding) > 0, isMoving);
    QCOMPARE(host.window.x(), 4680); // slides keep the left edge
}

QTEST_GUILESS_MAIN(TestSlidingPanel)
#include "test_sliding_panel.moc"
