#include "files/FileCommands.h"

#include "files/FileDialogs.h"
#include "files/FileJob.h"
#include "files/MainTextGuard.h"
#include "files/SlicedWork.h"
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
#include <QTextDocument>

#include <utility>
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

// Up to these lengths the main text takes a text, or gives its own, at once: a few tens of
// milliseconds at most. Longer ones go a slice per turn of the event loop.
constexpr qsizetype DirectFillUnits = 512 * 1024;
constexpr qsizetype DirectReadUnits = 1024 * 1024;

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

FileCommands::FileCommands(Form3 &form)
    : QObject(&form), m_form(form), m_job(new FileJob(this)), m_slices(new SlicedWork(this)),
      m_guard(new MainTextGuard(form)),
      m_open(command(form, FileTexts::OpenFile, QKeySequence(Qt::CTRL | Qt::Key_O), this)),
      m_save(command(form, FileTexts::Save, QKeySequence(Qt::CTRL | Qt::Key_S), this)),
      m_saveAs(command(form, FileTexts::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this))
{
    connect(m_open, &QAction::triggered, this, &FileCommands::open);
    connect(m_save, &QAction::triggered, this, &FileCommands::save);
    connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    connect(m_job, &FileJob::progressed, this, &FileCommands::showProgress);
    connect(m_slices, &SlicedWork::progressed, this, &FileCommands::showProgress);
}

FileCommands::~FileCommands() = default;

bool FileCommands::busy() const
{
    return m_job->busy() || m_slices->running();
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
    m_form.Label13->setCaption(captions.join(QStringLiteral(" \u00B7 ")));
    m_form.Label13->setToolTip(m_path.isEmpty() ? QString() : QFileInfo(m_path).absoluteFilePath());
    putText(text, int(files->size()));
}

void FileCommands::putText(const QString &text, int fileCount)
{
    TakeUndoSnapshot(m_form);
    UniText &box = *m_form.Text1;
    if (text.size() <= DirectFillUnits) {
        box.setText(text);
        openEnded(fileCount);
        return;
    }
    holdMainText(true);
    box.beginFill(text);
    m_slices->start(
        box.textLength(), [&box](qint64 units) { return box.fillSome(units); },
        [this, fileCount] {
            holdMainText(false);
            endProgress();
            openEnded(fileCount);
        });
}

void FileCommands::openEnded(int fileCount)
{
    m_form.Text1->setFocus();
    if (fileCount > 1)
        Module1::UnicodeMsgBox(filesJoinedMessage(fileCount), 0, QString());
    Q_EMIT opened();
}

void FileCommands::holdMainText(bool held)
{
    UniText &box = *m_form.Text1;
    // A lock that a conversion run holds stays the run's: it lifts it when it ends.
    if (held) {
        m_locksMainText = !box.isLocked();
        if (m_locksMainText)
            box.setLocked(true);
    } else if (std::exchange(m_locksMainText, false)) {
        box.setLocked(false);
    }
    m_guard->setActive(held);
    // Over the box only: the rest of the window is the user's meanwhile.
    box.viewport()->setCursor(held ? Qt::BusyCursor : Qt::IBeamCursor);
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
    if (busy()) {
        QApplication::beep();
        return;
    }
    UniText &box = *m_form.Text1;
    const qsizetype length = box.textLength();
    if (length <= DirectReadUnits) {
        write(box.text(), path, encoding);
        return;
    }
    holdMainText(true);
    auto text = std::make_shared<QString>();
    text->reserve(length);
    // Nothing should change the locked text meanwhile; should a write of the program's get
    // in all the same, the reading starts over, so that the file is one text, never a mix.
    auto changed = std::make_shared<bool>(false);
    const QMetaObject::Connection watch =
        connect(box.document(), &QTextDocument::contentsChange, this, [changed] { *changed = true; });
    m_slices->start(
        length,
        [&box, text, changed](qint64 units) {
            if (std::exchange(*changed, false))
                text->clear();
            text->append(box.textPart(text->size(), units));
            return box.textLength() - text->size();
        },
        [this, text, watch, path, encoding] {
            disconnect(watch);
            holdMainText(false);
            endProgress();
            write(*text, path, encoding);
        });
}

void FileCommands::write(const QString &text, const QString &path, SaveEncoding encoding)
{
    struct Outcome
    {
        std::optional<WriteFault> fault;
    };
    auto outcome = std::make_shared<Outcome>();
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
