#pragma once

#include "cli/ConvertOptions.h"

#include <string>
#include <vector>

namespace pirtok::cli {

// Turns the command line into ConvertOptions, or into the one usage error to show.
class ArgumentParser
{
public:
    struct Result
    {
        ConvertOptions options;
        std::string error; // empty when the command line is sound
        bool ok() const { return error.empty(); }
    };

    // `args` without the program name.
    static Result parse(const std::vector<std::string> &args);

    static std::string helpText();
    static std::string versionText();

    // Largest read size the hidden --buffer-size accepts.
    static constexpr std::size_t MaxBufferSize = std::size_t(64) << 20;
    // Most threads -j accepts.
    static constexpr int MaxJobs = 64;

private:
    static bool parsePair(const std::string &value, int row, ConvertOptions &options, std::string &error);
};

} // namespace pirtok::cli
