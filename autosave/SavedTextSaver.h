#pragma once

#include "shell/core/WriteResult.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

// Writes the main text to the saved text file, for the close and for the saves made while
// the user works. Every write replaces the file whole (a failed one leaves the previous file
// as it was), and they reach the disk in the order they were asked for: a write of the close
// waits for the writes in the background, so an older text never lands over a newer one.
class SavedTextSaver : public QObject
{
    Q_OBJECT

public:
    explicit SavedTextSaver(QObject *parent = nullptr);
    ~SavedTextSaver() override;

    // The saved text at `path` was there at start but could not be read: before the first
    // write over it, it is moved aside under a free name beside it.
    void keepUnreadable(const QString &path) { m_unreadable = path; }

    // Writes `text` now, after every write still in the background.
    WriteResult save(const QString &text);
    // Writes `text` on a thread of its own; the user-interface thread only hands over a
    // shared copy. finished() reports the result.
    void saveInBackground(const QString &text);
    // Returns when no write is left in the background.
    void waitForIdle();

Q_SIGNALS:
    void finished(const WriteResult &result);

private:
    // The file to write, after moving an unreadable text out of its way; a failed move is
    // a failed save.
    WriteResult prepare(QString &path);
    static QString keptPath(const QString &path);

    QString m_unreadable;
    QThreadPool m_writer;
};
