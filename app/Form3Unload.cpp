#include "app/Form3Unload.h"

#include "app/CloseTexts.h"
#include "autosave/Autosave.h"
#include "autosave/SavedTextSaver.h"
#include "shell/Form3.h"
#include "shell/MessageBoxStyle.h"
#include "shell/Module1.h"
#include "shell/SavedTextPath.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// The stored texts lose their leading and trailing spaces, and nothing else.
QString trimmedOfSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.mid(first, end - first);
}

} // namespace

Form3Unload::Form3Unload(Form3 &form, SettingsStore &store, SavedTextSaver &saver)
    : QObject(&form), m_form(form), m_store(store), m_saver(saver)
{
    form.installEventFilter(this);
}

bool Form3Unload::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form && event->type() == QEvent::Close && !m_hasRun && !closeWindow()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool Form3Unload::closeWindow()
{
    const Outcome outcome = saveNow();
    if (!outcome.ok()) {
        const int answer = Module1::UnicodeMsgBox(closeAnywayPrompt(outcome), MessageBoxCodes::YesNo,
                                                  QString(), std::nullopt, Module1::OwnerWindow::of(&m_form));
        if (answer == MessageBoxCodes::No)
            return false;
    }
    m_hasRun = true;
    return true;
}

void Form3Unload::run()
{
    if (m_hasRun)
        return;
    m_hasRun = true;
    const Outcome outcome = saveNow();
    if (!outcome.choices.ok())
        std::fprintf(stderr, "Pirtok: the choices were not saved: %s\n",
                     qUtf8Printable(outcome.choices.describe()));
    if (!outcome.text.ok())
        rescueText(outcome.text);
}

Form3Unload::Outcome Form3Unload::saveNow()
{
    Outcome outcome;
    outcome.choices = saveChoices();
    outcome.text = saveText();
    return outcome;
}

WriteResult Form3Unload::saveChoices()
{
    using namespace SettingsKeys;
    QList<QPair<QString, QString>> values{
        {FontSize, QString::number(m_form.Combo2->listIndex())},
        {FontName, QString::number(m_form.Combo1->listIndex())},
        {Convert, QString::number(m_form.Combo3->listIndex())},
        {Arabic, QString::number(m_form.Check1->value())},
        {Bold, QString::number(m_form.Check2->value())},
        {Italic, QString::number(m_form.Check3->value())},
        {Black, QString::number(m_form.Check4->value())},
        {LeftToRight, QString::number(m_form.Check5->value())},
        {SearchWord, trimmedOfSpaces(m_form.Text3->text())},
        {ReplacementWord, trimmedOfSpaces(m_form.Text2->text())},
    };
    for (int i = 0; i < Form3::TT1Count; ++i)
        values.append({letterBox(i), trimmedOfSpaces(m_form.TT1[i]->text())});
    // The font by its name as well, so that a changed font list brings back the same font.
    values.append({FontFamily, m_form.Combo1->text()});
    return m_store.writeAll(Pirtok, Section, values);
}

WriteResult Form3Unload::saveText()
{
    if (m_autosave)
        m_autosave->settle();
    return m_saver.save(m_form.Text1->text());
}

QString Form3Unload::closeAnywayPrompt(const Outcome &outcome)
{
    QStringList paths;
    if (!outcome.text.ok())
        paths << QDir::toNativeSeparators(outcome.text.path());
    if (!outcome.choices.ok())
        paths << QDir::toNativeSeparators(outcome.choices.path());
    return QString::fromUtf16(CloseTexts::NotSavedTo) + paths.join(u'\n') + QStringLiteral("\n\n") +
           QString::fromUtf16(CloseTexts::CloseAnyway);
}

QString Form3Unload::unsavedPath(const QString &savedTextPath, const QString &folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir(folder).filePath(QFileInfo(savedTextPath).fileName() + QStringLiteral(".unsaved-") + stamp);
}

void Form3Unload::rescueText(const WriteResult &failed)
{
    const QString text = m_form.Text1->text();
    const QString savedText = SavedTextPath();
    QString rescue = unsavedPath(savedText, QFileInfo(savedText).absolutePath());
    WriteResult written = Module1::ReplaceFile(rescue, text);
    if (!written.ok()) {
        // The folder itself is what failed: this user's state folder is the other place.
        rescue = unsavedPath(savedText, StateFolder());
        written = Module1::ReplaceFile(rescue, text);
    }
    if (written.ok())
        std::fprintf(stderr, "Pirtok: the text could not be saved to %s; it was written to %s\n",
                     qUtf8Printable(failed.describe()), qUtf8Printable(rescue));
    else
        std::fprintf(stderr, "Pirtok: the text could not be saved to %s, nor to %s\n",
                     qUtf8Printable(failed.describe()), qUtf8Printable(written.describe()));
}
