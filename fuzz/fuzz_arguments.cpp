// The argument parser on any command line (arguments split at NUL bytes): it never
// crashes, and a line it accepts is one it accepts again to the same options.

#include "cli/ArgumentParser.h"
#include "fuzz/FuzzSupport.h"

#include <string>
#include <vector>

using namespace pirtok::cli;

namespace {

bool sameOptions(const ConvertOptions &a, const ConvertOptions &b)
{
    for (int i = 0; i < pirtok::LetterPairs::BoxCount; ++i) {
        if (a.pairs.box(i) != b.pairs.box(i))
            return false;
    }
    return a.direction == b.direction && a.kind == b.kind && a.from == b.from && a.fromGiven == b.fromGiven &&
           a.to == b.to && a.inputs == b.inputs && a.output == b.output && a.bufferSize == b.bufferSize &&
           a.showHelp == b.showHelp && a.showVersion == b.showVersion;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    if (!arg.empty())
        args.push_back(arg);

    const ArgumentParser::Result first = ArgumentParser::parse(args);
    const ArgumentParser::Result again = ArgumentParser::parse(args);
    fuzzing::check(first.error == again.error, "the parser is not deterministic");
    if (!first.ok())
        return 0;
    const ConvertOptions &options = first.options;
    fuzzing::check(sameOptions(options, again.options), "the parser is not deterministic");
    fuzzing::check(options.bufferSize >= 1 && options.bufferSize <= ArgumentParser::MaxBufferSize,
                   "a read size out of range");
    fuzzing::check(options.to != TextEncoding::Cp1256, "the code page as output");
    fuzzing::check(options.inputs.size() <= args.size(), "more inputs than arguments");
    for (int i = 0; i < pirtok::LetterPairs::BoxCount; ++i)
        fuzzing::check(options.pairs.box(i).size() <= 1, "a letter box holds more than one unit");
    return 0;
}
