#include "app/PirtokApp.h"
#include "look/WindowChrome.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"
#include "ui/WindowMove.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using codeunits::codes;
using codeunits::units;

namespace {

// A stand-in viewer: each start adds a line to a log beside it.
void writeStandIn(const QString &path, bool executable = true)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started >> \"$0.log\"\n");
    script.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(script.setPermissions(permissions));
}

int starts(const QString &standIn)
{
    QFile log(standIn + QStringLiteral(".log"));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    return int(log.readAll().count('\n'));
}

} // namespace

class TestWindowChrome : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;
    std::unique_ptr<QTemporaryDir> install;

    QString programFolder() const { return install->filePath(QStringLiteral("bin")); }
    QString besideProgram() const { return install->filePath(QStringLiteral("bin/Help/Rinvo")); }
    QString installed() const { return install->filePath(QStringLiteral("libexec/pirtok/Help/Rinvo")); }

    void releaseOverHelp(Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(form->Label4, button);
        QTest::mouseRelease(form->Label4, button);
    }

private Q_SLOTS:
    void init()
    {
        install = std::make_unique<QTemporaryDir>();
        QDir().mkpath(programFolder());
        WindowChrome::setProgramFolder(programFolder());
        fx.start();
        form = &fx.form();
        QVERIFY(WindowTesting::showActive(form));
    }
    void cleanup()
    {
        fx.stop();
        WindowChrome::setProgramFolder(QString());
        WindowMove::setFunction({});
        install.reset();
    }

    void anyButtonOnTheTitleMovesTheWindow_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void anyButtonOnTheTitleMovesTheWindow()
    {
        QFETCH(Qt::MouseButton, button);
        QList<QWindow *> moved;
        WindowMove::setFunction([&moved](QWindow *window) { moved << window; });
        QTest::mousePress(form->Label13, button);
        QTest::mouseRelease(form->Label13, button);
        QCOMPARE(moved, QList<QWindow *>{form->windowHandle()});
    }

    void everyReleaseOverHelpStartsOneViewer_data()
    {
        QTest::addColumn<bool>("installedLayout");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("beside the program") << false << Qt::LeftButton;
        QTest::newRow("installed, right button") << true << Qt::RightButton;
    }
    void everyReleaseOverHelpStartsOneViewer()
    {
        QFETCH(bool, installedLayout);
        QFETCH(Qt::MouseButton, button);
        const QString standIn = installedLayout ? installed() : besideProgram();
        writeStandIn(standIn);
        releaseOverHelp(button);
        QTRY_COMPARE(starts(standIn), 1);
        releaseOverHelp(button);
        QTRY_COMPARE(starts(standIn), 2);
        QVERIFY(fx.messages.isEmpty());
        QVERIFY(form->isVisible());
    }

    void aReleaseAwayFromHelpStartsNothing()
    {
        writeStandIn(besideProgram());
        QTest::mousePress(form->Label4, Qt::LeftButton);
        QTest::mouseRelease(form->Label4, Qt::LeftButton, {}, QPoint(-20, 40));
        QTest::qWait(200);
        QCOMPARE(starts(besideProgram()), 0);
        QVERIFY(fx.messages.isEmpty());
    }

    void aMissingViewerIsNamedInAMessage()
    {
        releaseOverHelp();
        QCOMPARE(fx.messages.size(), 1);
        // "The help file was not found:" and the places looked in, beside the program first.
        const QString expected =
            units({0x0641, 0x0627, 0x06CC, 0x0644, 0x06CC, 0x0020, 0x06CC, 0x0627, 0x0631,
                   0x0645, 0x06D5, 0x062A, 0x06CC, 0x0020, 0x0646, 0x06D5, 0x062F, 0x06C6,
                   0x0632, 0x0631, 0x0627, 0x06CC, 0x06D5, 0x0648, 0x06D5, 0x003A, '\n'}) +
            besideProgram() + QLatin1Char('\n') + installed();
        QCOMPARE(codes(fx.messages.first().prompt), codes(expected));
        QCOMPARE(fx.messages.first().owner.data(), static_cast<QWidget *>(form));
        QVERIFY(form->isVisible());
    }

    void aViewerThatCannotStartIsNamedInAMessage()
    {
        writeStandIn(besideProgram(), false);
        releaseOverHelp();
        QCOMPARE(fx.messages.size(), 1);
        // "The help file could not be opened:" and its path.
        const QString expected =
            units({0x0641, 0x0627, 0x06CC, 0x0644, 0x06CC, 0x0020, 0x06CC, 0x0627, 0x0631,
                   0x0645, 0x06D5, 0x062A, 0x06CC, 0x0020, 0x0646, 0x06D5, 0x06A9, 0x0631,
                   0x0627, 0x06CC, 0x06D5, 0x0648, 0x06D5, 0x003A, '\n'}) +
            besideProgram();
        QCOMPARE(codes(fx.messages.first().prompt), codes(expected));
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(TestWindowChrome)
#include "test_window_chrome.moc"
