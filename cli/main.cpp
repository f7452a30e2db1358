#include "cli/ArgumentParser.h"
#include "cli/ConvertDriver.h"
#include "cli/DetectDriver.h"
#include "cli/StandardStreams.h"
#include "cli/WriteFully.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool writeText(int fd, const std::string &text)
{
    using pirtok::cli::StandardStreams;
    std::size_t written = 0;
    const int fault = StandardStreams::wasClosed(fd)
                          ? EBADF
                          : pirtok::cli::writeFully(fd, text.data(), text.size(), written);
    if (fault == 0)
        return true;
    const std::string message = std::string("pirtok-convert: ") + StandardStreams::name(fd) +
                                ": cannot write: " + std::strerror(fault) + "\n";
    pirtok::cli::writeFully(2, message.data(), message.size(), written);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    using pirtok::cli::ArgumentParser;
    pirtok::cli::StandardStreams::claim();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ArgumentParser::Result parsed = ArgumentParser::parse(args);
    if (!parsed.ok()) {
        writeText(2, "pirtok-convert: " + parsed.error +
                         "\nTry 'pirtok-convert --help' for more information.\n");
        return 2;
    }
    if (parsed.options.showHelp)
        return writeText(1, ArgumentParser::helpText()) ? 0 : 1;
    if (parsed.options.showVersion)
        return writeText(1, ArgumentParser::versionText()) ? 0 : 1;
    if (parsed.options.detect)
        return pirtok::cli::DetectDriver(parsed.options).run();
    pirtok::cli::ConvertDriver driver(parsed.options);
    return driver.run();
}
