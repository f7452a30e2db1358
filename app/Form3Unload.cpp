#include "app/Form3Unload.h"

#include "shell/Form3.h"
#include "shell/Module1.h"
#include "shell/SavedTextPath.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>

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

Form3Unload::Form3Unload(Form3 &form, SettingsStore &store) : QObject(&form), m_form(form), m_store(store)
{
    form.installEventFilter(this);
}

bool Form3Unload::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form && event->type() == QEvent::Close)
        run();
    return QObject::eventFilter(watched, event);
}

void Form3Unload::run()
{
    if (m_hasRun)
        return;
    m_hasRun = true;
    saveNow();
}

void Form3Unload::saveNow()
{
    saveChoices();
    saveText();
}

void Form3Unload::saveChoices()
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
    // A store that cannot be written loses the values; the text is still saved.
    m_store.writeAll(Pirtok, Section, values);
}

QString Form3Unload::keptPath(const QString &path)
{
    QString kept = path + QStringLiteral(".kept");
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = path + QStringLiteral(".kept.") + QString::number(n);
    return kept;
}

void Form3Unload::saveText()
{
    const QString path = SavedTextPath();
    // A text that could not be read at start is still someone's text: replacing it would
    // destroy it for good.
    if (!m_unreadableSavedText.isEmpty() && path == m_unreadableSavedText &&
        (QFileInfo::exists(path) || QFileInfo(path).isSymLink()))
        if (!QFile::rename(path, keptPath(path)))
            return;
    Module1::ReplaceFile(path, m_form.Text1->text());
}
