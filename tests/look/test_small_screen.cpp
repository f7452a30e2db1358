#include "app/PirtokApp.h"
#include "tests/look/OffscreenScreen.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The whole program on the small scaled screen of a laptop: 1280 x 900 pixels at a scale of
// 2, so 640 x 450 for the window, smaller than the window's designed minimum.
class TestSmallScreen : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;

private Q_SLOTS:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }

    void screenIsTheSmallOne()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(640, 450));
    }

    void windowFitsTheScreen()
    {
        Form3 &form = fx.form();
        QVERIFY(WindowTesting::showActive(&form));
        const QRect available = form.screen()->availableGeometry();
        const QSize frame = form.frameGeometry().size() - form.size();
        QVERIFY(form.minimumWidth() + frame.width() <= available.width());
        QVERIFY(form.minimumHeight() + frame.height() <= available.height());
        QVERIFY2(available.contains(form.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(form.frameGeometry().x())
                                .arg(form.frameGeometry().y())
                                .arg(form.frameGeometry().width())
                                .arg(form.frameGeometry().height())));
        // The layout pass worked at the smaller size: the text and the corner symbols inside.
        QVERIFY(form.rect().contains(form.Text1->geometry()));
        QVERIFY(form.rect().contains(form.Label4->geometry()));
        QVERIFY(form.rect().contains(form.Label3->geometry()));
    }

    void userCannotDragItLargerThanFitsBack()
    {
        Form3 &form = fx.form();
        QVERIFY(WindowTesting::showActive(&form));
        form.resize(2000, 1500);
        QTRY_VERIFY(form.screen()->availableGeometry().size().width() >= form.frameGeometry().width());
        QVERIFY(form.screen()->availableGeometry().size().height() >= form.frameGeometry().height());
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!useOffscreenScreen(dir.path(), 1280, 900))
        return 1;
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_small_screen.moc"
