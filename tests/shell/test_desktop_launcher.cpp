#include "shell/DesktopLauncher.h"
#include "shell/ProgramPlace.h"
#include "tests/support/FileMode.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

// What desktop-file-validate says against the file; empty when it is valid or the tool is
// not installed.
QString validationErrors(const QString &path)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return QString();
    QProcess process;
    process.start(validator, {path});
    process.waitForFinished();
    const QString output =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode() == 0 ? QString() : output;
}

} // namespace

class TestDesktopLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void shortcut_data();
    void shortcut();
    void shortcutNeedsDesktopFolder();
    void autostart_data();
    void autostart();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QDir home() const { return QDir(m_home->path()); }
};

void TestDesktopLauncher::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", m_home->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home().filePath(QStringLiteral("config")).toUtf8());
    home().mkpath(QStringLiteral("Desktop"));
}

void TestDesktopLauncher::shortcut_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("iconBeside");
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("icon");
    QTest::newRow("plain folder, icon from the theme")
        << QStringLiteral("/opt/pirtok") << false << QStringLiteral("/opt/pirtok/Pirtok")
        << QStringLiteral("/opt/pirtok") << QStringLiteral("pirtok");
    QTest::newRow("folder with spaces and percent, icon beside")
        << QStringLiteral("<home>/My Apps/100%") << true << QStringLiteral("\"<home>/My Apps/100%%/Pirtok\"")
        << QStringLiteral("<home>/My Apps/100%") << QStringLiteral("<home>/My Apps/100%/pirtok.png");
    QTest::newRow("quotes and backslash") << QStringLiteral("/opt/\"a\\b\"") << false
                                          << QStringLiteral("\"/opt/\\\\\"a\\\\\\\\b\\\\\"/Pirtok\"")
                                          << QStringLiteral("/opt/\"a\\\\b\"") << QStringLiteral("pirtok");
}

void TestDesktopLauncher::shortcut()
{
    QFETCH(QString, folder);
    QFETCH(bool, iconBeside);
    QFETCH(QString, exec);
    QFETCH(QString, path);
    QFETCH(QString, icon);
    const QString homePath = m_home->path();
    for (QString *text : {&folder, &exec, &path, &icon})
        text->replace(QStringLiteral("<home>"), homePath);
    if (iconBeside) {
        QVERIFY(QDir().mkpath(folder));
        QFile png(QDir(folder).filePath(QStringLiteral("pirtok.png")));
        QVERIFY(png.open(QIODevice::WriteOnly));
    }

    const ProgramPlace place{folder, QStringLiteral("Pirtok"), QString()};
    QVERIFY(DesktopLauncher::writeShortcut(place).ok());
    const QString launcher = home().filePath(QStringLiteral("Desktop/Pirtok.desktop"));
    QCOMPARE(DesktopLauncher::shortcutPath(place), launcher);
    QCOMPARE(contents(launcher),
             QStringLiteral("[Desktop Entry]\nType=Application\nName=Pirtok\nComment=Pirtok\n"
                            "Exec=%1\nPath=%2\nIcon=%3\nTerminal=false\n"
                            "X-KDE-Shortcuts=Ctrl+Alt+J\n")
                 .arg(exec, path, icon));
    QCOMPARE(modeOf(launcher), 0755);
    QCOMPARE(validationErrors(launcher), QString());
}

void TestDesktopLauncher::shortcutNeedsDesktopFolder()
{
    QVERIFY(home().rmdir(QStringLiteral("Desktop")));
    QVERIFY(
        !DesktopLauncher::writeShortcut({QStringLiteral("/opt"), QStringLiteral("Pirtok"), QString()}).ok());
    QVERIFY(!home().exists(QStringLiteral("Desktop")));
}

void TestDesktopLauncher::autostart_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ticked, path with spaces")
        << QStringLiteral("/home/a b/Pirtok")
        << QStringLiteral("[Desktop Entry]\nType=Application\nName=Pirtok\nExec=\"/home/a b/Pirtok\"\n");
    QTest::newRow("cleared: the entry stays, disabled")
        << QString()
        << QStringLiteral("[Desktop Entry]\nType=Application\nName=Pirtok\nExec=\nHidden=true\n");
}

void TestDesktopLauncher::autostart()
{
    QFETCH(QString, executable);
    QFETCH(QString, expected);
    QVERIFY(DesktopLauncher::writeAutostart(executable).ok());
    const QString entry = home().filePath(QStringLiteral("config/autostart/Varok.desktop"));
    QCOMPARE(DesktopLauncher::autostartPath(), entry);
    QCOMPARE(contents(entry), expected);
    QCOMPARE(validationErrors(entry), QString());
}

QTEST_GUILESS_MAIN(TestDesktopLauncher)
#include "test_desktop_launcher.moc"
