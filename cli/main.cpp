#include "cli/ArgumentParser.h"
#include "cli/ConvertDriver.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool writeText(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    using pirtok::cli::ArgumentParser;
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
    pirtok::cli::ConvertDriver driver(parsed.options);
    return driver.run();
}
