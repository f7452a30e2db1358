#pragma once

#include "files/core/FileEncoding.h"
#include "files/core/TextFileReader.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class FileJob;
class Form3;
class MainTextGuard;
class QAction;
class SlicedWork;

// Files in the window: open (Ctrl+O) puts a file's text in place of the main text after
// the undo snapshot, so that F2 brings the old text back; save (Ctrl+S) writes the main
// text to the file last opened or saved, and save as (Ctrl+Shift+S) asks a name and an
// encoding. The work runs beside the window with its progress in the progress caption; the
// title strip names the file and its encoding. A long text goes into the main text, and
// comes out of it, a slice per turn of the event loop, with the box locked and the commands
// that use it refused meanwhile, so that the window never freezes.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(Form3 &form);
    ~FileCommands() override;

    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *saveAsAction() const { return m_saveAs; }

    void open();
    // Several files are joined, each after a line break, and the user is told; the joined
    // text has no file of its own, so the next save asks for a name. One refused file
    // refuses them all and leaves the main text as it was.
    void openFiles(const QStringList &paths);
    void save();
    void saveAs();

    // A file is being read or written, or the main text filled or read out for one.
    bool busy() const;
    // The file that save writes to; empty before one was opened or saved.
    QString currentPath() const { return m_path; }
    pirtok::files::SaveEncoding saveEncoding() const { return m_saveEncoding; }

Q_SIGNALS:
    // A file's text is in the main text, or the main text in a file; or the work failed and
    // the user was told.
    void opened();
    void saved();
    void failed();

private:
    struct OpenedFile
    {
        QString path;
        pirtok::files::ReadResult result;
    };

    void saveTo(const QString &path, pirtok::files::SaveEncoding encoding);
    void write(const QString &text, const QString &path, pirtok::files::SaveEncoding encoding);
    void openDone(const std::shared_ptr<std::vector<OpenedFile>> &files);
    void putText(const QString &text, int fileCount);
    void openEnded(int fileCount);
    // The main text is the slices' for a while: locked, its commands refused, the pointer busy
    // over it; and then the user's again.
    void holdMainText(bool held);
    void showProgress(int percent);
    void endProgress();
    bool conversionRuns() const;
    void showFault(const QString &message);

    Form3 &m_form;
    FileJob *m_job;
    SlicedWork *m_slices;
    MainTextGuard *m_guard;
    QAction *m_open;
    QAction *m_save;
    QAction *m_saveAs;
    QString m_path;
    pirtok::files::SaveEncoding m_saveEncoding = pirtok::files::SaveEncoding::Utf8;
    pirtok::files::LineBreaks m_lineBreaks = pirtok::files::LineBreaks::Lf;
    bool m_locksMainText = false;
};
