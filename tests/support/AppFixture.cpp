#include "tests/support/AppFixture.h"

#include "ui/Timer.h"

#include <QDir>
#include <QStandardPaths>

namespace {

void pointHomeAt(const QString &root)
{
    // Every place the program may read or write, inside the temporary home.
    const QDir home(root);
    for (const char *folder : {"config", "state", "tmp", "Desktop"})
        home.mkpath(QLatin1String(folder));
    qputenv("HOME", root.toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
    qputenv("TMP", home.filePath(QStringLiteral("tmp")).toUtf8());
    qputenv("XDG_DESKTOP_DIR", home.filePath(QStringLiteral("Desktop")).toUtf8());
}

} // namespace

AppFixture::AppFixture()
{
    pointHomeAt(m_home.path());
}

AppFixture::~AppFixture()
{
    stop();
}

void AppFixture::start(Files files)
{
    stop();
    if (files == Files::Fresh) {
        QDir(m_home.path()).removeRecursively();
        pointHomeAt(m_home.path());
    }
    messages.clear();
    messageAnswer = 1;
    form4Shown = 0;
    form4Answer = QStringLiteral("Yes");
    Module1::setMessageBoxFunction([this](const Module1::MessageBoxRequest &request) {
        messages << request;
        return messageAnswer;
    });
    Module1::setForm4Function([this](Label &answer) {
        ++form4Shown;
        answer.setCaption(form4Answer);
    });
    m_app = std::make_unique<PirtokApp>();
}

void AppFixture::stop()
{
    if (m_app)
        m_app->window().close();
    m_app.reset();
    Module1::setMessageBoxFunction({});
    Module1::setForm4Function({});
}

void AppFixture::crash()
{
    // Destroying the window sends it no close event, so no close saves run.
    m_app.reset();
    Module1::setMessageBoxFunction({});
    Module1::setForm4Function({});
}

QString AppFixture::savedTextPath() const
{
    return QDir(m_home.path()).filePath(QStringLiteral("tmp/Text.ini"));
}

QString AppFixture::desktopPath() const
{
    return QDir(m_home.path()).filePath(QStringLiteral("Desktop"));
}

QString AppFixture::configPath() const
{
    return QDir(m_home.path()).filePath(QStringLiteral("config"));
}

QStringList AppFixture::messageTexts() const
{
    QStringList texts;
    for (const auto &request : messages)
        texts << request.prompt;
    return texts;
}

void runTimerToEnd(Timer *timer)
{
    for (int i = 0; i < 1000000 && timer->interval() != 0; ++i)
        Q_EMIT timer->tick();
}
