#pragma once

#include "shell/Form3.h"

class ConversionRunControl;

// The program: the main window with every subsystem's handlers attached to it.
class PirtokApp
{
public:
    PirtokApp();

    Form3 &window() { return m_window; }
    ConversionRunControl &conversion() { return *m_conversion; }
    void show();

private:
    Form3 m_window;
    ConversionRunControl *m_conversion = nullptr;
};
