// The argument parser on any command line (arguments split at NUL bytes): it never
// crashes, a line it accepts is one it accepts again to the same options, and what it
// accepts is a combination that means something.

#include "cli/ArgumentParser.h"
#include "fuzz/FuzzSupport.h"

#include <string>
#include <vector>

using namespace pirtok::cli;

namespace {

bool sameSteps(const pirtok::StandardSteps &a, const pirtok::StandardSteps &b)
{
    return a.letters == b.letters && a.zwnj == b.zwnj && a.leftovers == b.leftovers &&
           a.finalHeh == b.finalHeh && a.initialRe == b.initialRe && a.invisibles == b.invisibles &&
           a.punctuation == b.punctuation && a.digits == b.digits;
}

bool sameOptions(const ConvertOptions &a, const ConvertOptions &b)
{
    for (int i = 0; i < pirtok::LetterPairs::BoxCount; ++i) {
        if (a.pairs.box(i) != b.pairs.box(i))
            return false;
    }
    return a.direction == b.direction && a.kind == b.kind && a.from == b.from && a.fromGiven == b.fromGiven &&
           a.to == b.to && a.inputs == b.inputs && a.output == b.output && a.bufferSize == b.bufferSize &&
           a.showHelp == b.showHelp && a.showVersion == b.showVersion && a.family == b.family &&
           a.standard == b.standard && a.detect == b.detect && sameSteps(a.steps, b.steps);
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
    if (options.showHelp || options.showVersion)
        return 0;
    const bool toKurdish = options.direction == pirtok::Direction::UnicodeToKurdish;
    fuzzing::check(!toKurdish || pirtok::hasRuleTable(options.family),
                   "a detecting or Unicode family written");
    fuzzing::check(!toKurdish || !options.standard, "the standard pass on Kurdish-font output");
    const bool pass = options.standard || options.family == pirtok::Family::Unicode;
    fuzzing::check(pass || sameSteps(options.steps, pirtok::StandardSteps{}),
                   "a step switch without the pass");
    fuzzing::check(!options.detect || (options.output.empty() && !options.standard &&
                                       options.family == pirtok::Family::KurdishFont),
                   "--detect with a conversion option");
    return 0;
}
