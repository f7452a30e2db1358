#pragma once

#include "shell/ProgramPlace.h"

#include <QString>

class Form3;
class SettingsStore;

// The main window's load: records the start, makes the desktop launcher on the first run,
// fills the lists, brings back every stored choice and the saved text, and places the
// window. Runs once, after the handlers are attached and before the window is shown; the
// controls are set as a user would set them, so their own handlers react. A step that
// fails is skipped alone.
class Form3Load
{
public:
    static constexpr int ToolStripHeight = 375; // twips, of the top strip
    static constexpr int FirstSize = 8;         // points, the first entry of the size list
    static constexpr int SizeCount = 34;        // even sizes from 8 up to 74
    static constexpr char16_t DefaultFontName[] = u"Microsoft Sans Serif";

    Form3Load(Form3 &form, SettingsStore &store, ProgramPlace place);

    void run();

    // Step one alone: the command line and the program folder under Varok. A second start
    // that hands over to the running window records itself by it too.
    static void recordStart(SettingsStore &store, const ProgramPlace &place);

    // The saved text that was there but could not be read; empty when none.
    const QString &unreadableSavedText() const { return m_unreadableSavedText; }

private:
    QString read(const QString &key) const;

    void firstRun();
    void initialLooks();
    void fillFontList();
    void fillSizeList();
    void restoreFontName();
    void restoreFontSize();
    void restoreCheckBoxes();
    void restoreTexts();
    void restoreDirection(const QString &direction);
    void centre();
    void drawKeyboardSwitch();
    void restoreSavedText();

    Form3 &m_form;
    SettingsStore &m_store;
    ProgramPlace m_place;
    QString m_unreadableSavedText;
};
