#include "ui/Label.h"
#include "ui/UniLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWindow>

#include <memory>

// The mouse as the platform delivers it, through the window, so that Qt itself turns a
// second press into a double-click.
class TestLabel : public QObject
{
    Q_OBJECT

private:
    enum Gesture
    {
        Click,
        RightClick,
        DoubleClick,
        DoubleClickThenClick,
        ReleasedAway
    };

    std::unique_ptr<QWidget> host;
    Label *label = nullptr;
    UniLabel *uniLabel = nullptr;
    QStringList events;

    Label *labelOfKind(const QString &kind) { return kind == QLatin1String("UniLabel") ? uniLabel : label; }

    void record(Label *target)
    {
        events.clear();
        connect(target, &Label::mouseDown, this,
                [this](Qt::MouseButton b) { events << QStringLiteral("down %1").arg(int(b)); });
        connect(target, &Label::mouseUp, this,
                [this](Qt::MouseButton b) { events << QStringLiteral("up %1").arg(int(b)); });
        connect(target, &Label::click, this, [this] { events << QStringLiteral("click"); });
    }

    QPoint inWindow(Label *target, QPoint local = {}) const
    {
        return target->mapTo(host.get(), local.isNull() ? target->rect().center() : local);
    }

private Q_SLOTS:
    void init()
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 200);
        label = new Label(host.get());
        label->setGeometry(10, 10, 80, 30);
        label->setCaption(QStringLiteral("Undo"));
        uniLabel = new UniLabel(host.get());
        uniLabel->setGeometry(110, 10, 80, 30);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    }
    void cleanup() { host.reset(); }

    void mouseGestures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("expected");
        for (const char *kind : {"Label", "UniLabel"}) {
            const QString k = QLatin1String(kind);
            QTest::addRow("%s click", kind) << k << int(Click) << QStringLiteral("down 1, up 1, click");
            QTest::addRow("%s right click", kind)
                << k << int(RightClick) << QStringLiteral("down 2, up 2, click");
            QTest::addRow("%s double-click is one click", kind)
                << k << int(DoubleClick) << QStringLiteral("down 1, up 1, click, down 1, up 1");
            QTest::addRow("%s click after a double-click counts", kind)
                << k << int(DoubleClickThenClick)
                << QStringLiteral("down 1, up 1, click, down 1, up 1, down 1, up 1, click");
            QTest::addRow("%s released outside", kind)
                << k << int(ReleasedAway) << QStringLiteral("down 1, up 1");
        }
    }
    void mouseGestures()
    {
        QFETCH(QString, kind);
        QFETCH(int, gesture);
        QFETCH(QString, expected);
        Label *target = labelOfKind(kind);
        record(target);
        QWindow *window = host->windowHandle();
        const QPoint at = inWindow(target);
        switch (Gesture(gesture)) {
        case Click:
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            break;
        case RightClick:
            QTest::mouseClick(window, Qt::RightButton, {}, at);
            break;
        case DoubleClick:
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            break;
        case DoubleClickThenClick:
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            break;
        case ReleasedAway:
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(250, 150));
            break;
        }
        QCOMPARE(events.join(QStringLiteral(", ")), expected);
    }

    void keysWorkAButtonLikeLabel_data()
    {
        QTest::addColumn<bool>("buttonLike");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("whileHeld");
        QTest::addColumn<QString>("expected");
        const QString press = QStringLiteral("down 1");
        const QString all = QStringLiteral("down 1, up 1, click");
        QTest::newRow("space") << true << int(Qt::Key_Space) << press << all;
        QTest::newRow("enter") << true << int(Qt::Key_Return) << press << all;
        QTest::newRow("keypad enter") << true << int(Qt::Key_Enter) << press << all;
        QTest::newRow("another key") << true << int(Qt::Key_A) << QString() << QString();
        QTest::newRow("plain label ignores space") << false << int(Qt::Key_Space) << QString() << QString();
    }
    void keysWorkAButtonLikeLabel()
    {
        QFETCH(bool, buttonLike);
        QFETCH(int, key);
        QFETCH(QString, whileHeld);
        QFETCH(QString, expected);
        label->setButtonLike(buttonLike);
        QCOMPARE(bool(label->focusPolicy() & Qt::TabFocus), buttonLike);
        record(label);
        QTest::keyPress(label, Qt::Key(key));
        // A held key repeats; the label stays pressed once.
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(label, &repeat);
        QCOMPARE(events.join(QStringLiteral(", ")), whileHeld);
        QTest::keyRelease(label, Qt::Key(key));
        QCOMPARE(events.join(QStringLiteral(", ")), expected);
    }

    void losingTheFocusWhileHeldRaisesWithoutClick()
    {
        label->setButtonLike(true);
        auto *other = new Label(host.get());
        other->setButtonLike(true);
        other->show();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
        label->setFocus(Qt::TabFocusReason);
        record(label);
        QTest::keyPress(label, Qt::Key_Space);
        other->setFocus(Qt::TabFocusReason);
        QTest::keyRelease(other, Qt::Key_Space);
        QCOMPARE(events.join(QStringLiteral(", ")), QStringLiteral("down 1, up 1"));
    }

    void screenReadersSeeAPushButton()
    {
        label->setButtonLike(true);
        label->setToolTip(QStringLiteral("tip"));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(label);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Undo"));
        QCOMPARE(button->text(QAccessible::Description), QStringLiteral("tip"));
        QVERIFY(button->state().focusable);
        // The name follows the caption, unless one is given.
        label->setCaption(QStringLiteral("Redo"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Redo"));
        label->setAccessibleName(QStringLiteral("given"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("given"));

        QAccessibleActionInterface *actions = button->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        record(label);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(events.join(QStringLiteral(", ")), QStringLiteral("down 1, up 1, click"));
    }

    void plainLabelsStayText()
    {
        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(uniLabel);
        QVERIFY(text);
        QVERIFY(text->role() != QAccessible::Button);
    }
};

QTEST_MAIN(TestLabel)
#include "test_label.moc"
