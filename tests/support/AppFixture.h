#pragma once

#include "app/PirtokApp.h"
#include "shell/Module1.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

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

    // A new program, with the seams installed and the records cleared.
    void start();
    // Ends the program (its close and unload run as a user's close would) and the seams.
    void stop();

    PirtokApp &app() { return *m_app; }
    Form3 &form() { return m_app->window(); }
    QString homePath() const { return m_home.path(); }

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
