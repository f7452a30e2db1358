#include "autosave/SavedTextSaver.h"

#include "shell/Module1.h"
#include "shell/SavedTextPath.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isThere(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

SavedTextSaver::SavedTextSaver(QObject *parent) : QObject(parent)
{
    // One writer: the writes keep their order.
    m_writer.setMaxThreadCount(1);
}

SavedTextSaver::~SavedTextSaver()
{
    waitForIdle();
}

QString SavedTextSaver::keptPath(const QString &path)
{
    QString kept = path + QStringLiteral(".kept");
    for (int n = 2; isThere(kept); ++n)
        kept = path + QStringLiteral(".kept.") + QString::number(n);
    return kept;
}

WriteResult SavedTextSaver::prepare(QString &path)
{
    path = SavedTextPath();
    // A text that could not be read at start is still someone's text: replacing it would
    // destroy it for good.
    if (m_unreadable.isEmpty() || path != m_unreadable || !isThere(path))
        return WriteResult::done();
    const QString kept = keptPath(path);
    if (!QFile::rename(path, kept))
        return WriteResult::failed(path, QStringLiteral("the unreadable text there cannot be moved aside"));
    m_unreadable.clear();
    return WriteResult::done();
}

WriteResult SavedTextSaver::save(const QString &text)
{
    waitForIdle();
    QString path;
    if (WriteResult prepared = prepare(path); !prepared.ok())
        return prepared;
    return Module1::ReplaceFile(path, text);
}

void SavedTextSaver::saveInBackground(const QString &text)
{
    QString path;
    if (WriteResult prepared = prepare(path); !prepared.ok()) {
        Q_EMIT finished(prepared);
        return;
    }
    m_writer.start([this, path, text] {
        WriteResult result = Module1::ReplaceFile(path, text);
        QMetaObject::invokeMethod(
            this, [this, result] { Q_EMIT finished(result); }, Qt::QueuedConnection);
    });
}

void SavedTextSaver::waitForIdle()
{
    m_writer.waitForDone();
}
