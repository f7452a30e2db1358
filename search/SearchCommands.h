#pragma once

#include "search/core/SearchMessages.h"

#include <QObject>

class Form3;

// Find next, replace once and replace all over the main text, with their keys (F3 in the
// three boxes, F4 and F5 in the main text) and labels. A search run is a sequence of these
// commands on the same word: its first step starts near the caret, each later step goes on
// behind the last match (or behind the replacement that takes its place), and it ends when
// nothing more is found or the user starts afresh.
class SearchCommands : public QObject
{
    Q_OBJECT

public:
    enum Mode
    {
        FindMode = 0,
        ReplaceOnceMode = 1,
        ReplaceAllMode = 2
    };

    explicit SearchCommands(Form3 &form);

    // Selects the next match of the search word at or after the 1-based position `start`
    // (or near the caret on a run's first step), or tells the user that there is none.
    void FindNext(qsizetype start);
    void FindNextWord();
    void ReplaceOnce();
    void ReplaceAll();
    // Puts the replacement word in place of the main text's selection (or at the caret).
    void ReplaceSelection();

    // The run's state. Positions are 1-based and as wide as the text.
    int SearchMode = FindMode;
    qsizetype SearchPos = 0; // lower bound of the next search
    bool SearchFound = false;
    int ReplaceAllRun = 0;    // 1 while replace all runs
    qsizetype FoundCount = 0; // matches since replace all started
    bool ShowCount = false;   // replace all's count line not yet shown

private:
    void text1KeyDown(int key);
    void text1Change();
    void selectMatch(qsizetype start, qsizetype length);
    void reportNothingFound();
    bool searchWordMissing();
    void caretAtEndToStart();
    qsizetype text1Length() const;

    Form3 &m_form;
    const pirtok::SearchMessages m_messages;
    // Set while the replacement is written, whose change must not move SearchPos.
    bool m_writingReplacement = false;
};
