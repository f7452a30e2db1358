#include "files/FileCommands.h"

#include "files/FileDialogs.h"
#include "files/FileJob.h"
#include "files/core/FileMessages.h"
#include "files/core/FileTexts.h"
#include "files/core/TextFileWriter.h"
#include "shell/Form3.h"
#include "shell/Module1.h"
#include "shell/UndoSnapshot.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

using namespace pirtok::files;

namespace {

constexpr int WarningStyle = 0x30; // one OK button and the warning icon

QAction *command(Form3 &form, const char16_t *text, QKeySequence keys, QObject *parent)
{
    auto *action = new QAction(QString::fromUtf16(text), parent);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    form.addAction(action);
    return action;
}

// The main text takes a large file's text, or gives its own, on the window's thread: the
// pointer says the window is busy for that moment.
class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

FileCommands::FileCommands(Form3 &form)
    : QObject(&form), m_form(form), m_job(new FileJob(this)),
      m_open(command(form, FileTexts::OpenFile, QKeySequence(Qt::CTRL | Qt::Key_O), this)),
      m_save(command(form, FileTexts::Save, QKeySequence(Qt::CTRL | Qt::Key_S), this)),
      m_saveAs(command(form, FileTexts::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this))
{
    connect(m_open, &QAction::triggered, this, &FileCommands::open);
    connect(m_save, &QAction::triggered, this, &FileCommands::save);
    connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    connect(m_job, &FileJob::progressed, this, &FileCommands::showProgress);
}

FileCommands::~FileCommands() = default;

bool FileCommands::busy() const
{
    return m_job->busy();
}

void FileCommands::open()
{
    if (busy() || conversionRuns()) {
        QApplication::beep();
        return;
    }
    const QString path = FileDialogs::askOpen(&m_form);
    if (!path.isEmpty())
        openFiles({path});
}

void FileCommands::openFiles(const QStringList &paths)
{
    // A conversion run would put its result over the opened text when it ends.
    if (paths.isEmpty() || busy() || conversionRuns()) {
        QApplication::beep();
        return;
    }
    auto files = std::make_shared<std::vector<OpenedFile>>();
    for (const QString &path : paths)
        files->push_back({path, {}});
    m_job->start(
        [files](WorkProgress &progress) {
            for (OpenedFile &file : *files) {
                QFile device(file.path);
                if (!device.open(QIODevice::ReadOnly)) {
                    file.result.fault = ReadFault{ReadFault::Kind::Unreadable, 0, device.errorString()};
                    return;
                }
                file.result = readTextFile(device, progress);
                if (file.result.fault)
                    return;
            }
        },
        [this, files] { openDone(files); });
}

void FileCommands::openDone(const std::shared_ptr<std::vector<OpenedFile>> &files)
{
    endProgress();
    QStringList captions;
    QString text;
    for (const OpenedFile &file : *files) {
        if (file.result.fault) {
            if (file.result.fault->kind != ReadFault::Kind::Cancelled)
                showFault(openFaultMessage(fileName(file.path), *file.result.fault));
            Q_EMIT failed();
            return;
        }
        captions << fileCaption(fileName(file.path), encodingName(file.result.encoding));
    }
    if (files->size() == 1) {
        text = files->front().result.text;
        m_path = files->front().path;
        m_lineBreaks = files->front().result.lineBreaks;
    } else {
        QStringList texts;
        for (const OpenedFile &file : *files)
            texts << file.result.text;
        text = texts.join(QLatin1Char('\n'));
        m_path.clear();
        m_lineBreaks = files->front().result.lineBreaks;
    }
    {
        const BusyPointer busy;
        TakeUndoSnapshot(m_form);
        m_form.Text1->setText(text);
    }
    m_form.Label13->setCaption(captions.join(QStringLiteral(" \u00B7 ")));
    m_form.Label13->setToolTip(m_path.isEmpty() ? QString() : QFileInfo(m_path).absoluteFilePath());
    m_form.Text1->setFocus();
    if (files->size() > 1)
        Module1::UnicodeMsgBox(filesJoinedMessage(int(files->size())), 0, QString());
    Q_EMIT opened();
}

void FileCommands::save()
{
    if (m_path.isEmpty())
        saveAs();
    else
        saveTo(m_path, m_saveEncoding);
}

void FileCommands::saveAs()
{
    if (busy()) {
        QApplication::beep();
        return;
    }
    const std::optional<FileDialogs::SaveChoice> choice =
        FileDialogs::askSave(&m_form, m_path, m_saveEncoding);
    if (choice && !choice->path.isEmpty())
        saveTo(choice->path, choice->encoding);
}

void FileCommands::saveTo(const QString &path, SaveEncoding encoding)
{
    struct Outcome
    {
        std::optional<WriteFault> fault;
    };
    auto outcome = std::make_shared<Outcome>();
    const QString text = [this] {
        const BusyPointer busy;
        return m_form.Text1->text();
    }();
    const LineBreaks lineBreaks = m_lineBreaks;
    const bool started = m_job->start(
        [outcome, path, text, encoding, lineBreaks](WorkProgress &progress) {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly)) {
                outcome->fault = WriteFault{WriteFault::Kind::Failed, 0, 0, file.errorString()};
                return;
            }
            outcome->fault = writeTextFile(file, text, encoding, lineBreaks, progress);
            // Nothing of a refused or stopped save reaches the file.
            if (outcome->fault)
                file.cancelWriting();
            else if (!file.commit())
                outcome->fault = WriteFault{WriteFault::Kind::Failed, 0, 0, file.errorString()};
        },
        [this, outcome, path, encoding] {
            endProgress();
            if (outcome->fault) {
                if (outcome->fault->kind != WriteFault::Kind::Cancelled)
                    showFault(saveFaultMessage(fileName(path), encoding, *outcome->fault));
                Q_EMIT failed();
                return;
            }
            m_path = path;
            m_saveEncoding = encoding;
            m_form.Label13->setCaption(fileCaption(fileName(path), encodingName(encoding)));
            m_form.Label13->setToolTip(QFileInfo(path).absoluteFilePath());
            Q_EMIT saved();
        });
    if (!started)
        QApplication::beep();
}

bool FileCommands::conversionRuns() const
{
    return m_form.Timer1->interval() != 0 || m_form.Timer2->interval() != 0;
}

// The progress caption is the conversion's too: a running conversion keeps it.
void FileCommands::showProgress(int percent)
{
    if (!conversionRuns())
        m_form.Label2->setCaption(QLatin1Char('%') + QString::number(percent));
}

void FileCommands::endProgress()
{
    if (!conversionRuns())
        m_form.Label2->setCaption(QStringLiteral("%0"));
}

void FileCommands::showFault(const QString &message)
{
    Module1::UnicodeMsgBox(message, WarningStyle, QString());
}
