#include "search/SearchCommands.h"

#include "search/core/ReplaceAll.h"
#include "search/core/WordFinder.h"
#include "shell/FocusReturn.h"
#include "shell/Form3.h"
#include "shell/Module1.h"
#include "shell/UndoSnapshot.h"

#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

constexpr int InformationStyle = 0; // one OK button, no icon

int widgetPosition(qsizetype position)
{
    // The box's own positions are int; a text it holds never goes beyond them.
    return static_cast<int>(std::clamp<qsizetype>(position, 0, std::numeric_limits<int>::max()));
}

} // namespace

SearchCommands::SearchCommands(Form3 &form)
    : QObject(&form), m_form(form), m_messages(form.LetterEe, form.LetterRr)
{
    connect(form.Label10, &Label::click, this, &SearchCommands::FindNextWord);
    connect(form.Label11, &Label::click, this, &SearchCommands::ReplaceOnce);
    connect(form.Label12, &Label::click, this, &SearchCommands::ReplaceAll);

    // The keys leave the event to the box, whatever Shift, Ctrl or Alt is held.
    connect(form.Text1, &UniText::keyDown, this,
            [this](int key, Qt::KeyboardModifiers) { text1KeyDown(key); });
    for (UniText *wordBox : {form.Text2, form.Text3}) {
        connect(wordBox, &UniText::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
            if (key == Qt::Key_F3)
                FindNextWord();
        });
    }

    // An edit or a click in the text makes a continued run search from its start.
    connect(form.Text1, &UniText::change, this, &SearchCommands::text1Change);
    connect(form.Text1, &UniText::click, this, [this] { SearchPos = 1; });
}

void SearchCommands::text1KeyDown(int key)
{
    switch (key) {
    case Qt::Key_F3:
        FindNextWord();
        break;
    case Qt::Key_F4:
        ReplaceOnce();
        break;
    case Qt::Key_F5:
        ReplaceAll();
        break;
    default:
        break;
    }
}

void SearchCommands::text1Change()
{
    if (!m_writingReplacement)
        SearchPos = 1;
}

qsizetype SearchCommands::text1Length() const
{
    // The document counts one more character than its text: the last paragraph's end.
    return m_form.Text1->document()->characterCount() - 1;
}

void SearchCommands::FindNext(qsizetype start)
{
    UniText &text1 = *m_form.Text1;
    const pirtok::WordFinder finder(m_form.Text3->text());
    const QString text = text1.text();

    // A run's first step starts at the character just before the caret, so that a match
    // beginning there or at the caret is found.
    const qsizetype caret = text1.selStart();
    if (m_form.SearchCount == 1 && caret >= 1 && caret < text.size()) {
        start = caret;
        SearchPos = 0;
    }
    start = std::max(start, SearchPos);

    const qsizetype position = finder.find(text, start - 1) + 1;
    if (position < 1) {
        reportNothingFound();
        return;
    }
    SearchPos = position;
    selectMatch(position - 1, finder.length());
    text1.setFocus();
    SearchFound = true;
    // Behind the match, or behind the replacement that will take its place.
    const UniText &advanceBy = SearchMode == FindMode ? *m_form.Text3 : *m_form.Text2;
    SearchPos += advanceBy.text().size() - 1;
    ++FoundCount;
}

void SearchCommands::selectMatch(qsizetype start, qsizetype length)
{
    m_form.Text1->setSelStart(widgetPosition(start));
    m_form.Text1->setSelLength(widgetPosition(length));
}

void SearchCommands::reportNothingFound()
{
    QString countLine;
    if (ShowCount) {
        ShowCount = false;
        countLine = m_messages.countLine(FoundCount);
    }
    const QString message = m_messages.closing(m_form.SearchCount == 1, ReplaceAllRun == 1, countLine);
    Module1::UnicodeMsgBox(message, InformationStyle, QString());
    m_form.SearchCount = 0;
    SearchFound = false;
    ReplaceAllRun = 0;
    m_form.Text1->setFocus();
}

bool SearchCommands::searchWordMissing()
{
    if (!m_form.Text3->text().isEmpty())
        return false;
    m_form.Text3->setFocus();
    return true;
}

void SearchCommands::caretAtEndToStart()
{
    if (m_form.Text1->selStart() == text1Length())
        m_form.Text1->setSelStart(0);
}

void SearchCommands::FindNextWord()
{
    SearchMode = FindMode;
    if (searchWordMissing())
        return;
    caretAtEndToStart();
    if (m_form.SearchCount == 0) {
        m_form.SearchCount = 1;
        FindNext(1);
    } else {
        ++m_form.SearchCount;
        FindNext(SearchPos + 1);
    }
}

void SearchCommands::ReplaceOnce()
{
    // While a conversion run holds the main text, its result would overwrite the change.
    if (m_form.Text1->isReadOnly())
        return;
    SearchMode = ReplaceOnceMode;
    if (searchWordMissing())
        return;
    caretAtEndToStart();
    if (SearchPos + 2 >= text1Length())
        SearchPos = 0; // near the end the run wraps to the beginning
    if (m_form.SearchCount == 0) {
        // The first press only selects the next occurrence.
        m_form.SearchCount = 1;
        FindNext(1);
        return;
    }
    TakeUndoSnapshot(m_form);
    ReplaceSelection();
    ++m_form.SearchCount;
    FindNext(SearchPos + 1);
}

void SearchCommands::ReplaceSelection()
{
    UniText &text1 = *m_form.Text1;
    const QScopedValueRollback<bool> writing(m_writingReplacement, true);
    QTextCursor cursor = text1.textCursor();
    cursor.insertText(m_form.Text2->text());
    text1.setTextCursor(cursor);
}

void SearchCommands::ReplaceAll()
{
    UniText &text1 = *m_form.Text1;
    if (text1.isReadOnly())
        return;
    SearchMode = ReplaceAllMode;
    ReplaceAllRun = 1;
    FoundCount = 0;
    ShowCount = true;
    ReturnFocus(m_form);
    TakeUndoSnapshot(m_form); // one Undo takes back the whole command
    if (searchWordMissing())
        return;
    SearchPos = 0;
    text1.setSelStart(0);
    SearchFound = true;
    m_form.SearchCount = 0;

    const QString text = text1.text();
    if (text.isEmpty())
        return; // no pass, no message

    // Every match replaced in one pass and written once; the state is what replacing them
    // one per pass, each search going on behind the last replacement, would leave.
    const pirtok::ReplaceAllResult result =
        pirtok::replaceAll(text, pirtok::WordFinder(m_form.Text3->text()), m_form.Text2->text());
    if (result.count > 0) {
        {
            const QScopedValueRollback<bool> writing(m_writingReplacement, true);
            text1.setText(result.text);
        }
        text1.setSelStart(widgetPosition(result.lastReplacementEnd));
        text1.setFocus();
        SearchPos = result.lastReplacementEnd;
        FoundCount = result.count;
    }
    // The pass after the last match is the one whose search fails.
    m_form.SearchCount =
        static_cast<int>(std::min<qsizetype>(result.count + 1, std::numeric_limits<int>::max()));
    reportNothingFound();
}
