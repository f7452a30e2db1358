#include "look/WindowChrome.h"

#include "look/LookTexts.h"
#include "shell/Form3.h"
#include "shell/Module1.h"
#include "ui/WindowMove.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProcess>
#include <QWindow>

namespace {

// An OK button and the stop sign.
constexpr int OkWithStopIcon = 0x10;

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

WindowChrome::WindowChrome(Form3 &form) : QObject(&form), m_form(form), m_help(form.Label4)
{
    connect(form.Label13, &Label::mouseDown, this, &WindowChrome::Label13MouseDown);
    // Every release over "?" counts, a double click's second one too; the label's click
    // signal does not tell them apart, so the releases are watched directly.
    m_help->installEventFilter(this);
}

void WindowChrome::setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

QStringList WindowChrome::viewerPaths()
{
    const QString &override = programFolderOverride();
    const QDir folder(override.isEmpty() ? QCoreApplication::applicationDirPath() : override);
    return {QDir::cleanPath(folder.filePath(QStringLiteral("Help/Rinvo"))),
            QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/pirtok/Help/Rinvo")))};
}

void WindowChrome::Label13MouseDown()
{
    WindowMove::start(&m_form);
}

void WindowChrome::Label4MouseUp()
{
    const QStringList paths = viewerPaths();
    for (const QString &path : paths) {
        if (!QFileInfo(path).isFile())
            continue;
        // Its own process, no shell, no arguments; nothing is kept of it.
        if (!QProcess::startDetached(path, {}))
            tellViewerFailed(LookTexts::ViewerNotStarted, path);
        return;
    }
    tellViewerFailed(LookTexts::ViewerMissing, paths.join(QLatin1Char('\n')));
}

void WindowChrome::tellViewerFailed(const char16_t *what, const QString &where)
{
    Module1::UnicodeMsgBox(QString::fromUtf16(what) + QLatin1Char('\n') + where, OkWithStopIcon, QString(),
                           std::nullopt, Module1::OwnerWindow::of(&m_form));
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event)
{
    // Only the kind of event is looked at first: the window may be part destroyed when its
    // controls' last events arrive.
    if (event->type() != QEvent::MouseButtonRelease || watched != m_help)
        return false;
    const auto *release = static_cast<QMouseEvent *>(event);
    if (m_help->rect().contains(release->position().toPoint()))
        Label4MouseUp();
    return false;
}
