#pragma once

#include "app/PirtokApp.h"
#include "shell/Module1.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class Timer;

// Ticks `timer` until its run stops it (its interval drops to 0), as the event loop would,
// without waiting for real time; gives up after a million ticks so a run that never ends
// fails its test instead of hanging it.
void runTimerToEnd(Timer *timer);

// What every window test starts from: a fresh program in a private temporary home (HOME,
// XDG_CONFIG_HOME, XDG_STATE_HOME, TMP and the desktop folder), with its message box and
// yes/no dialog scripted and recorded, so that no test blocks or touches the user's files.
//
// Use one as a member of the test class: start() in init(), stop() in cleanup().
class AppFixture
{
public:
    AppFixture();
    ~AppFixture();

    enum class Files
    {
        Fresh, // the home is emptied first: a first start on this machine
        Keep   // what the last run, or the test, left in the home stays: a restart
    };

    // A new program, with the seams installed and the records cleared.
    void start(Files files = Files::Fresh);
    // Ends the program: its window is closed as a user's close would, so the close saves
    // run; then the seams are removed.
    void stop();
    // Ends the program as a crash or `kill -9` would: no close, no saves; only what the
    // program wrote while it ran is left.
    void crash();

    PirtokApp &app() { return *m_app; }
    Form3 &form() { return m_app->window(); }
    QString homePath() const { return m_home.path(); }
    // The program's files in the private home.
    QString savedTextPath() const;
    QString desktopPath() const;
    QString configPath() const;

    // Every message box shown, in order, and the code each returns (1 OK ... 7 No).
    QList<Module1::MessageBoxRequest> messages;
    int messageAnswer = 1;
    // How often the yes/no dialog was shown, and the caption it leaves in `L`.
    int form4Shown = 0;
    QString form4Answer = QStringLiteral("Yes");

    QStringList messageTexts() const;

private:
    QTemporaryDir m_home;
    std::unique_ptr<PirtokApp> m_app;
};
