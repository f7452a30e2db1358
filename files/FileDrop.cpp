#include "files/FileDrop.h"

#include "files/FileCommands.h"
#include "shell/Form3.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

FileDrop::FileDrop(Form3 &form, FileCommands &commands) : QObject(&form), m_commands(commands)
{
    form.setAcceptDrops(true);
    form.installEventFilter(this);
    // The boxes take drops in their viewports, before the window would see them.
    for (UniText *box : form.findChildren<UniText *>())
        box->viewport()->installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty())
            break;
        drop->acceptProposedAction();
        m_commands.openFiles(paths);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
