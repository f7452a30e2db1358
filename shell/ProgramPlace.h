#pragma once

#include <QString>

// Where the running program lies and how it was started.
struct ProgramPlace
{
    QString folder;      // the executable's folder, no trailing separator unless it is "/"
    QString name;        // the executable's file name without extension: "Pirtok"
    QString commandLine; // the arguments after the program's name, joined by spaces, as given

    QString executable() const;

    static ProgramPlace current();
};
