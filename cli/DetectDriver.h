#pragma once

#include "cli/ConvertOptions.h"

#include <string>

namespace pirtok::cli {

// --detect: reads each input as the converter would and prints, one line per input, the
// number of its lines of each writing ("book.txt: ali-k (812 lines), unicode (40)").
class DetectDriver
{
public:
    explicit DetectDriver(const ConvertOptions &options) : m_options(options) {}

    // 0 when every input was read; 1 after a fault, which is on standard error (the
    // inputs before it are reported all the same).
    int run();

private:
    bool detect(const std::string &name, std::string &line);
    void report(const std::string &message);

    const ConvertOptions &m_options;
};

} // namespace pirtok::cli
