#pragma once

#include <QString>

namespace pirtok::files {

// How a file that was read turned out to be written.
enum class FileEncoding
{
    Utf8,
    Utf8Marked, // UTF-8 after a byte-order mark
    Utf16Le,
    Utf16Be,
    Cp1256 // the Windows Arabic code page of most legacy Kurdish-font files
};

// What a file can be saved as. UTF-16LE is written with its mark, so that it reads back
// as UTF-16LE; UTF-8 and cp1256 without one.
enum class SaveEncoding
{
    Utf8,
    Utf16Le,
    Cp1256
};

// The line breaks a file came with, so that saving it again keeps them.
enum class LineBreaks
{
    Lf,
    CrLf
};

// The names the user reads in the title strip and the save dialog.
QString encodingName(FileEncoding encoding);
QString encodingName(SaveEncoding encoding);

} // namespace pirtok::files
