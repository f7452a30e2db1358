#pragma once

#include "autosave/SavedTextSaver.h"
#include "shell/Form3.h"
#include "shell/IniSettingsStore.h"
#include "shell/ProgramPlace.h"

#include <memory>

class Autosave;
class ConversionRunControl;
class Form3Unload;
class SessionEnd;

// The program: the main window with every subsystem's handlers attached to it, loaded from
// the settings store and the saved text, and saving them again when it ends.
class PirtokApp
{
public:
    explicit PirtokApp(ProgramPlace place = ProgramPlace::current());
    ~PirtokApp();

    Form3 &window() { return m_window; }
    ConversionRunControl &conversion() { return *m_conversion; }
    Form3Unload &unload() { return *m_unload; }
    Autosave &autosave() { return *m_autosave; }
    void show();

private:
    IniSettingsStore m_store;
    // Outlives the window, whose handlers hand it their writes.
    SavedTextSaver m_saver;
    Form3 m_window;
    ConversionRunControl *m_conversion = nullptr;
    Form3Unload *m_unload = nullptr;
    Autosave *m_autosave = nullptr;
    std::unique_ptr<SessionEnd> m_sessionEnd;
};
