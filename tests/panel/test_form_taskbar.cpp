#include "panel/Form_TaskBar.h"
#include "panel/core/PanelEvent.h"
#include "shell/Module1.h"

#include <QCursor>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using pirtok::PanelEvent;
using pirtok::PanelTimer;

namespace {

// What the desktop shows the control; the test changes it between checks.
struct Desk
{
    QRect screen{0, 0, 1024, 768};
    QPoint pointer{-50, 500};
    bool foreground = false;
};

// The readings come from the test's desk; the host window itself is real and really moves.
class DeskPlatform : public PanelPlatform
{
public:
    explicit DeskPlatform(std::shared_ptr<Desk> desk) : m_desk(std::move(desk)) {}
    QRect screenGeometry(const QWidget &) const override { return m_desk->screen; }
    QPoint pointerPosition() const override { return m_desk->pointer; }
    bool isForeground(const QWidget &) const override { return m_desk->foreground; }

private:
    std::shared_ptr<Desk> m_desk;
};

// Every event of a control, in the order raised, by the name of the signal that carried it.
class EventLog : public QObject
{
    Q_OBJECT

public:
    explicit EventLog(Form_TaskBar &control)
    {
        const QMetaObject *meta = control.metaObject();
        const QMetaMethod record = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int event = 0; event <= static_cast<int>(PanelEvent::MouseLeft); ++event) {
            const QByteArray name = pirtok::panelEventName(static_cast<PanelEvent>(event));
            const int index = meta->indexOfSignal(name + "()");
            if (index < 0)
                qFatal("no signal %s", name.constData());
            connect(&control, meta->method(index), this, record);
        }
    }

    QString text() const { return m_names.join(QLatin1Char(' ')); }

public Q_SLOTS:
    void record()
    {
        m_names << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name());
    }

private:
    QStringList m_names;
};

constexpr QSize HostSize(400, 40);

} // namespace

class TestFormTaskBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hangsCentredFromTheTop_data();
    void hangsCentredFromTheTop();
    void startsOnceTheHostIsShown();
    void slidesWithFocusAndPointer();
    void qtReadingsFollowActivationAndPointer();
    void hostThatIsNotAWindow_data();
    void hostThatIsNotAWindow();
    void propertiesNameThemselves();

private:
    std::shared_ptr<Desk> m_desk;
    QList<Module1::MessageBoxRequest> m_messages;
};

void TestFormTaskBar::init()
{
    m_desk = std::make_shared<Desk>();
    m_messages.clear();
    Module1::setMessageBoxFunction([this](const Module1::MessageBoxRequest &request) {
        m_messages << request;
        return 1;
    });
}

void TestFormTaskBar::cleanup()
{
    Module1::setMessageBoxFunction({});
}

void TestFormTaskBar::hangsCentredFromTheTop_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("hangDown");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("default hang") << QRect(0, 0, 1024, 768) << 2 << QPoint(312, -38);
    QTest::newRow("hang 5") << QRect(0, 0, 1024, 768) << 5 << QPoint(312, -35);
    QTest::newRow("wide screen right of another")
        << QRect(1024, 100, 3840, 2160) << 2 << QPoint(1024 + 1720, 100 - 38);
}

void TestFormTaskBar::hangsCentredFromTheTop()
{
    QFETCH(QRect, screen);
    QFETCH(int, hangDown);
    QFETCH(QPoint, placed);
    m_desk->screen = screen;

    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.resize(HostSize);
    auto *control = new Form_TaskBar(&host, std::make_unique<DeskPlatform>(m_desk));
    control->setHangDown(hangDown);
    EventLog log(*control);
    host.show();

    QTRY_COMPARE(host.pos(), placed);
    QCOMPARE(host.size(), HostSize);
    QVERIFY(host.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(host.isVisible());
    QVERIFY(!control->isVisible());
    QCOMPARE(control->timer(PanelTimer::DelayedInit).interval(), 0);
    QCOMPARE(control->timer(PanelTimer::AppFocus).interval(), 200);
    QCOMPARE(control->timer(PanelTimer::CheckMouseOver).interval(), 200);
    QVERIFY(!control->IsTaskbarOut());
    QTest::qWait(250); // a round of checks with nothing changed
    QCOMPARE(log.text(), QString());
    QCOMPARE(host.pos(), placed);
}

void TestFormTaskBar::startsOnceTheHostIsShown()
{
    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.setGeometry(20, 30, HostSize.width(), HostSize.height());
    auto *control = new Form_TaskBar(&host, std::make_unique<DeskPlatform>(m_desk));
    QTest::qWait(50);
    QCOMPARE(host.pos(), QPoint(20, 30));
    QCOMPARE(control->timer(PanelTimer::AppFocus).interval(), 0);

    host.show();
    QTRY_COMPARE(host.pos(), QPoint(312, -38));
    QCOMPARE(control->timer(PanelTimer::AppFocus).interval(), 200);
}

void TestFormTaskBar::slidesWithFocusAndPointer()
{
    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.resize(HostSize);
    auto *control = new Form_TaskBar(&host, std::make_unique<DeskPlatform>(m_desk));
    EventLog log(*control);
    host.show();
    const QPoint closed(312, -38);
    const QPoint open(312, 0);
    QTRY_COMPARE(host.pos(), closed);

    QString expected = QStringLiteral("AppGotFocus StartOpenUp EndOpenUp");
    m_desk->foreground = true;
    QTRY_COMPARE(log.text(), expected);
    QCOMPARE(host.pos(), open);
    QVERIFY(control->IsTaskbarOut());
    QVERIFY(!control->IsTaskbarMoving());

    // On the bottom edge of the closed window, so it stays over when the window goes up.
    m_desk->pointer = QPoint(500, 2);
    expected += QStringLiteral(" MouseOver");
    QTRY_COMPARE(log.text(), expected);
    QCOMPARE(host.pos(), open);

    m_desk->foreground = false;
    expected += QStringLiteral(" AppLostFocus StartCloseUp EndCloseUp");
    QTRY_COMPARE(log.text(), expected);
    QCOMPARE(host.pos(), closed);

    m_desk->pointer = QPoint(500, 3);
    expected += QStringLiteral(" MouseLeft EndCloseUp");
    QTRY_COMPARE(log.text(), expected);
    QCOMPARE(host.pos(), closed);

    m_desk->pointer = QPoint(312 + HostSize.width(), 0); // the right edge
    expected += QStringLiteral(" MouseOver StartOpenUp EndOpenUp");
    QTRY_COMPARE(log.text(), expected);
    QCOMPARE(host.pos(), open);
    QCOMPARE(host.size(), HostSize);
}

void TestFormTaskBar::qtReadingsFollowActivationAndPointer()
{
    QCursor::setPos(700, 500);
    QWidget other;
    other.setGeometry(100, 300, 200, 100);
    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.resize(HostSize);
    auto *control = new Form_TaskBar(&host);
    EventLog log(*control);
    host.show();
    const QRect screen = host.screen()->geometry();
    const QPoint closed(screen.x() + (screen.width() - HostSize.width()) / 2,
                        screen.y() + 2 - HostSize.height());
    QTRY_COMPARE(host.pos(), closed);

    host.activateWindow();
    QTRY_COMPARE(host.pos(), QPoint(closed.x(), screen.y()));
    other.show();
    other.activateWindow();
    QTRY_COMPARE(host.pos(), closed);
    QCursor::setPos(closed + QPoint(10, HostSize.height()));
    QTRY_COMPARE(host.pos(), QPoint(closed.x(), screen.y()));
    QCOMPARE(log.text(),
             QStringLiteral("AppGotFocus StartOpenUp EndOpenUp AppLostFocus StartCloseUp EndCloseUp "
                            "MouseOver StartOpenUp EndOpenUp"));
}

void TestFormTaskBar::hostThatIsNotAWindow_data()
{
    QTest::addColumn<bool>("placedOnAChild");
    QTest::newRow("a widget inside a window") << true;
    QTest::newRow("no host at all") << false;
}

void TestFormTaskBar::hostThatIsNotAWindow()
{
    QFETCH(bool, placedOnAChild);
    QWidget window;
    window.resize(HostSize);
    auto *child = new QWidget(&window);
    child->setGeometry(10, 10, 100, 20);
    window.show();
    m_desk->foreground = true;
    m_desk->pointer = QPoint(20, 20);
    std::unique_ptr<Form_TaskBar> orphan;
    Form_TaskBar *control = nullptr;
    if (placedOnAChild) {
        control = new Form_TaskBar(child, std::make_unique<DeskPlatform>(m_desk));
    } else {
        orphan = std::make_unique<Form_TaskBar>(nullptr, std::make_unique<DeskPlatform>(m_desk));
        control = orphan.get();
    }
    EventLog log(*control);
    const QPoint windowPos = window.pos();

    QTRY_COMPARE(m_messages.size(), 1);
    QVERIFY(!m_messages.first().prompt.isEmpty());
    QCOMPARE(m_messages.first().buttons, 0x4000);
    QCOMPARE(m_messages.first().title, QStringLiteral("Pirtok"));
    QVERIFY(!m_messages.first().iconName);

    QTest::qWait(300); // long enough for every check to have run, had it started
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(log.text(), QString());
    for (PanelTimer timer :
         {PanelTimer::DelayedInit, PanelTimer::Sliding, PanelTimer::CheckMouseOver, PanelTimer::AppFocus})
        QCOMPARE(control->timer(timer).interval(), 0);
    QCOMPARE(window.pos(), windowPos);
    QCOMPARE(child->pos(), QPoint(10, 10));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestFormTaskBar::propertiesNameThemselves()
{
    QWidget host;
    Form_TaskBar control(&host, std::make_unique<DeskPlatform>(m_desk));
    QCOMPARE(control.property("NumSteps").toInt(), 4);
    QCOMPARE(control.property("HangDown").toInt(), 2);

    for (const char *name : {"NumSteps", "HangDown"}) {
        const QMetaProperty property =
            control.metaObject()->property(control.metaObject()->indexOfProperty(name));
        QVERIFY(property.hasNotifySignal());
        QVERIFY(property.notifySignal().name().startsWith(name));
        QSignalSpy changed(&control, property.notifySignal());
        QVERIFY(control.setProperty(name, 7));
        QVERIFY(control.setProperty(name, 7)); // every setting counts, so a host saves it
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.last().first().toInt(), 7);
    }

    QSignalSpy numStepsChanged(&control, &Form_TaskBar::NumStepsChanged);
    control.setNumSteps(0);
    QCOMPARE(control.NumSteps(), 1);
    QCOMPARE(numStepsChanged.last().first().toInt(), 1);
    control.setNumSteps(-4);
    QCOMPARE(control.property("NumSteps").toInt(), 1);
    control.setHangDown(0);
    QCOMPARE(control.HangDown(), 0);
}

QTEST_MAIN(TestFormTaskBar)
#include "test_form_taskbar.moc"
