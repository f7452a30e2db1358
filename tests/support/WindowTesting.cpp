#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace WindowTesting {

void typeUnit(QWidget *box, char16_t unit)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(QChar(unit)), Qt::NoModifier);
}

void typeText(QWidget *box, const QString &text)
{
    for (const QChar unit : text)
        typeUnit(box, unit.unicode());
}

bool showActive(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void onNextModal(std::function<void(QWidget *dialog)> action)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start(10);
}

} // namespace WindowTesting
