#include "app/PirtokApp.h"
#include "autosave/Autosave.h"
#include "shell/Module1.h"
#include "tests/support/AppFixture.h"

#include <QEvent>
#include <QFile>
#include <QTest>

namespace {

QString saved(const AppFixture &fx)
{
    return Module1::ReadWholeFile(fx.savedTextPath());
}

// Something no save of the program writes, to tell a new save from an old one.
void putMarker(const AppFixture &fx)
{
    QVERIFY(Module1::ReplaceFile(fx.savedTextPath(), QStringLiteral("<marker>")).ok());
}

// Well past the pause, within the five seconds a change may wait.
constexpr int SavedWithinMs = 5000;
// Shorter than the pause: a save seen by then was not the pause's.
constexpr int SoonerThanThePauseMs = Autosave::PauseMs / 2;

} // namespace

class TestAutosave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { fx.stop(); }

    void savedAfterAChange_data();
    void savedAfterAChange();
    void savedAtOnceWhenTheWindowGoesAway_data();
    void savedAtOnceWhenTheWindowGoesAway();
    void nothingSavedWithoutAChange();
    void startAfterACrashHasTheSavedText();
    void closeAfterAutosaveWritesTheLatestText();

private:
    AppFixture fx;
};

void TestAutosave::savedAfterAChange_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("typing") << QStringLiteral("type");
    QTest::newRow("a conversion") << QStringLiteral("convert");
    QTest::newRow("replace all") << QStringLiteral("replace all");
}

void TestAutosave::savedAfterAChange()
{
    QFETCH(QString, how);
    fx.start();
    Form3 &form = fx.form();
    form.Text1->setText(QStringLiteral("a b a"));
    QTRY_COMPARE_WITH_TIMEOUT(saved(fx), form.Text1->text(), SavedWithinMs);
    putMarker(fx);

    if (how == u"type") {
        form.Text1->setFocus();
        QTest::keyClicks(form.Text1, QStringLiteral("xyz"));
    } else if (how == u"convert") {
        // F1 converts the whole text without asking.
        QTest::keyClick(form.Text1, Qt::Key_F1);
    } else {
        form.Text3->setText(QStringLiteral("a"));
        form.Text2->setText(QStringLiteral("c"));
        QTest::keyClick(form.Text1, Qt::Key_F5);
        QTRY_COMPARE(form.Text1->text(), QStringLiteral("c b c"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(saved(fx), form.Text1->text(), SavedWithinMs);
    QVERIFY(saved(fx) != u"<marker>");
}

void TestAutosave::savedAtOnceWhenTheWindowGoesAway_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::newRow("focus lost") << false;
    QTest::newRow("minimised") << true;
}

void TestAutosave::savedAtOnceWhenTheWindowGoesAway()
{
    QFETCH(bool, minimise);
    fx.start();
    Form3 &form = fx.form();
    fx.app().show();
    form.Text1->setText(QStringLiteral("before the pause is over"));
    if (minimise) {
        form.showMinimized();
    } else {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&form, &deactivate);
    }
    QTRY_COMPARE_WITH_TIMEOUT(saved(fx), QStringLiteral("before the pause is over"), SoonerThanThePauseMs);
}

void TestAutosave::nothingSavedWithoutAChange()
{
    fx.start();
    QVERIFY(!QFile::exists(fx.savedTextPath()));
    // The load's own writing of the text is no change of the user's.
    QVERIFY(!fx.app().autosave().hasUnsavedChange());
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&fx.form(), &deactivate);
    QTest::qWait(SoonerThanThePauseMs);
    QVERIFY(!QFile::exists(fx.savedTextPath()));
}

void TestAutosave::startAfterACrashHasTheSavedText()
{
    fx.start();
    fx.form().Text1->setText(QStringLiteral("typed before the crash\n"));
    QTRY_COMPARE_WITH_TIMEOUT(saved(fx), QStringLiteral("typed before the crash\n"), SavedWithinMs);
    fx.form().Check2->setValue(1);
    fx.crash();

    fx.start(AppFixture::Files::Keep);
    QCOMPARE(fx.form().Text1->text(), QStringLiteral("typed before the crash\n"));
    // The choices are the close's alone: a crash keeps those of the last close.
    QCOMPARE(fx.form().Check2->value(), 0);
}

void TestAutosave::closeAfterAutosaveWritesTheLatestText()
{
    // A large text whose background save may still be running when the close writes.
    fx.start();
    const QString large(2'000'000, u'k');
    fx.form().Text1->setText(large);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&fx.form(), &deactivate);
    fx.form().Text1->setText(QStringLiteral("the last word"));
    fx.stop();
    QCOMPARE(saved(fx), QStringLiteral("the last word"));
}

QTEST_MAIN(TestAutosave)
#include "test_autosave.moc"
