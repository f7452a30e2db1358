#pragma once

#include "Form3.h"

// The program: the main window with every subsystem's handlers attached to it.
class PirtokApp
{
public:
    PirtokApp();

    Form3 &window() { return m_window; }
    void show();

private:
    Form3 m_window;
};
