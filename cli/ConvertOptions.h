#pragma once

#include "convert/core/ConversionPlan.h"
#include "convert/core/Direction.h"
#include "convert/core/Family.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/StandardSorani.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pirtok::cli {

enum class TextEncoding
{
    Utf8,
    Utf16Le,
    Cp1256 // the Windows Arabic code page; input only
};

// Everything a command line asks for, checked and ready for the converter.
struct ConvertOptions
{
    Direction direction = Direction::KurdishToUnicode;
    LetterPairs pairs;
    RunKind kind = RunKind::WholeText;
    Family family = Family::KurdishFont;
    bool standard = false; // the standard Sorani pass after the conversion
    StandardSteps steps;
    bool detect = false; // --detect: class the inputs' lines instead of converting
    TextEncoding from = TextEncoding::Utf8;
    bool fromGiven = false; // without --from, an input that begins with FF FE is UTF-16LE
    TextEncoding to = TextEncoding::Utf8;
    std::vector<std::string> inputs; // file names as given; "-" is standard input
    std::string output;              // empty: standard output
    std::size_t bufferSize = std::size_t(1) << 20;
    int jobs = 0; // threads for a regular input file; 0: as many as the processors it may use
    bool showHelp = false;
    bool showVersion = false;

    ConversionPlan plan() const { return {family, direction, pairs, kind, standard, steps}; }
};

} // namespace pirtok::cli
