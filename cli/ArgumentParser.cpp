#include "cli/ArgumentParser.h"

#include "codec/Utf8Decoder.h"
#include "convert/core/StandardSorani.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

#ifndef PIRTOK_VERSION
#define PIRTOK_VERSION "unknown"
#endif

namespace pirtok::cli {

namespace {

// The Windows Arabic code page is read only: most Kurdish letters have no place in it.
bool parseEncoding(std::string name, bool input, TextEncoding &encoding)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == "utf-8" || name == "utf8") {
        encoding = TextEncoding::Utf8;
        return true;
    }
    if (name == "utf-16le" || name == "utf16le") {
        encoding = TextEncoding::Utf16Le;
        return true;
    }
    if (input && (name == "cp1256" || name == "windows-1256")) {
        encoding = TextEncoding::Cp1256;
        return true;
    }
    return false;
}

// Command-line text is UTF-8; like the input, it is decoded strictly.
bool decodeArgument(const std::string &text, QString &decoded)
{
    std::vector<char16_t> units(codec::Utf8Decoder::maxUnits(text.size()));
    codec::Utf8Decoder decoder;
    const std::ptrdiff_t count = decoder.decode(text.data(), text.size(), units.data());
    if (count < 0 || !decoder.finish())
        return false;
    decoded = QString(reinterpret_cast<const QChar *>(units.data()), count);
    return true;
}

std::string joined(const QStringList &names)
{
    return names.join(QStringLiteral(", ")).toStdString();
}

// The combinations that mean nothing, refused with what to do instead.
std::string meaninglessCombination(const ConvertOptions &options, const std::string &passOption,
                                   const std::string &conversionOption, int pairCount)
{
    if (options.detect) {
        if (!conversionOption.empty())
            return "--detect only reads its inputs; it does not go with " + conversionOption;
        return {};
    }
    const bool toKurdish = options.direction == Direction::UnicodeToKurdish;
    if (toKurdish && !hasRuleTable(options.family))
        return "--to-kurdish-font writes one family: choose it with --family (kurdish-font, ali-k, ali-web, "
               "dylan or zarnegar), not " +
               familyName(options.family).toString().toStdString();
    if (toKurdish && (options.standard || !passOption.empty()))
        return (options.standard ? std::string("--standard") : passOption) +
               " works on Unicode output; it does not go with --to-kurdish-font";
    if (!passOption.empty() && !options.standard && options.family != Family::Unicode)
        return passOption + " sets the standard pass: add --standard";
    if (pairCount > 0 && options.family != Family::KurdishFont)
        return "--pair belongs to the kurdish-font family, not " +
               familyName(options.family).toString().toStdString();
    return {};
}

} // namespace

bool ArgumentParser::parsePair(const std::string &value, int row, ConvertOptions &options, std::string &error)
{
    QString text;
    if (!decodeArgument(value, text)) {
        error = "--pair '" + value + "': not valid UTF-8";
        return false;
    }
    // Each side holds at most one character, so the '=' is the first or the second one.
    qsizetype cut = -1;
    if (text.size() >= 2 && text[1] == QLatin1Char('='))
        cut = 1;
    else if (text.startsWith(QLatin1Char('=')))
        cut = 0;
    if (cut < 0) {
        error = text.contains(QLatin1Char('='))
                    ? "--pair '" + value +
                          "': the Kurdish-font letter must be one character (U+0000 to U+FFFF) or empty"
                    : "--pair '" + value + "': expected K=U";
        return false;
    }
    const QString kurdish = text.left(cut);
    const QString unicode = text.mid(cut + 1);
    if (unicode.size() > 1) {
        error =
            "--pair '" + value + "': the Unicode letter must be one character (U+0000 to U+FFFF) or empty";
        return false;
    }
    options.pairs.setBox(2 * row, kurdish);
    options.pairs.setBox(2 * row + 1, unicode);
    return true;
}

ArgumentParser::Result ArgumentParser::parse(const std::vector<std::string> &args)
{
    Result result;
    ConvertOptions &options = result.options;
    std::string &error = result.error;
    bool directionGiven = false;
    bool outputGiven = false;
    int pairCount = 0;
    bool optionsEnded = false;
    bool digitsGiven = false;
    std::string passOption;       // the first option that only the standard pass reads
    std::string conversionOption; // the first option that only a conversion reads

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::string value;
        bool attached = false;
        if (arg.compare(0, 2, "--") == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                attached = true;
            }
        } else if ((arg[1] == 'o' || arg[1] == 'j') && arg.size() > 2) {
            name = arg.substr(0, 2);
            value = arg.substr(2);
            attached = true;
        }
        const auto takeValue = [&]() {
            if (attached)
                return true;
            if (i + 1 >= args.size()) {
                error = "option '" + name + "' needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        const auto takeNoValue = [&]() {
            if (attached)
                error = "option '" + name + "' takes no value";
            return !attached;
        };

        if (name == "--help" || name == "-h") {
            options.showHelp = takeNoValue();
            return result;
        }
        if (name == "--version" || name == "-V") {
            options.showVersion = takeNoValue();
            return result;
        }
        if (name == "--to-unicode" || name == "--to-kurdish-font") {
            if (!takeNoValue())
                return result;
            const Direction wanted =
                name == "--to-unicode" ? Direction::KurdishToUnicode : Direction::UnicodeToKurdish;
            if (directionGiven && wanted != options.direction) {
                error = "--to-unicode and --to-kurdish-font exclude each other";
                return result;
            }
            options.direction = wanted;
            directionGiven = true;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--selection") {
            if (!takeNoValue())
                return result;
            options.kind = RunKind::Selection;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--family") {
            if (!takeValue())
                return result;
            const std::optional<Family> family = familyFromName(QString::fromStdString(value));
            if (!family) {
                error = "--family '" + value + "': the families are " + joined(familyNames());
                return result;
            }
            options.family = *family;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--standard") {
            if (!takeNoValue())
                return result;
            options.standard = true;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--digits") {
            if (!takeValue())
                return result;
            if (digitsGiven) {
                error = "only one --digits";
                return result;
            }
            if (value == "arabic")
                options.steps.digits = DigitStyle::Arabic;
            else if (value == "latin")
                options.steps.digits = DigitStyle::Latin;
            else if (value == "keep")
                options.steps.digits = DigitStyle::Keep;
            else {
                error = "--digits '" + value + "': expected arabic, latin or keep";
                return result;
            }
            digitsGiven = true;
            passOption = passOption.empty() ? name : passOption;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name.compare(0, 5, "--no-") == 0 && name.size() > 5) {
            if (!takeNoValue())
                return result;
            if (!disableStepByName(options.steps, QString::fromStdString(name.substr(5)))) {
                error = "unknown option '" + name + "': the steps of --standard that --no- turns off are " +
                        joined(standardStepNames());
                return result;
            }
            passOption = passOption.empty() ? name : passOption;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--detect") {
            if (!takeNoValue())
                return result;
            options.detect = true;
        } else if (name == "--pair") {
            if (!takeValue())
                return result;
            conversionOption = conversionOption.empty() ? name : conversionOption;
            if (pairCount == LetterPairs::PairCount) {
                error = "at most four --pair options";
                return result;
            }
            if (!parsePair(value, pairCount, options, error))
                return result;
            ++pairCount;
        } else if (name == "--from" || name == "--to") {
            if (!takeValue())
                return result;
            const bool input = name == "--from";
            if (!parseEncoding(value, input, input ? options.from : options.to)) {
                error = name + " '" + value +
                        (input ? "': the input encodings are utf-8, utf-16le and cp1256"
                               : "': the output encodings are utf-8 and utf-16le");
                return result;
            }
            if (input)
                options.fromGiven = true;
            else
                conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "-o" || name == "--output") {
            if (!takeValue())
                return result;
            if (outputGiven) {
                error = "only one output file (-o)";
                return result;
            }
            if (value.empty()) {
                error = "option '" + name + "' needs a file name";
                return result;
            }
            outputGiven = true;
            options.output = value == "-" ? std::string() : value;
            conversionOption = conversionOption.empty() ? name : conversionOption;
        } else if (name == "--buffer-size") { // for tests: cuts the input into small reads
            if (!takeValue())
                return result;
            char *end = nullptr;
            const unsigned long long size = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || value[0] == '-' || size == 0 || size > MaxBufferSize) {
                error = "--buffer-size '" + value + "': expected a number of bytes from 1 to 67108864";
                return result;
            }
            options.bufferSize = static_cast<std::size_t>(size);
        } else if (name == "-j" || name == "--jobs") {
            if (!takeValue())
                return result;
            char *end = nullptr;
            const unsigned long long jobs = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || value[0] == '-' || jobs == 0 ||
                jobs > static_cast<unsigned long long>(MaxJobs)) {
                error = name + " '" + value + "': expected a number of threads from 1 to " +
                        std::to_string(MaxJobs);
                return result;
            }
            options.jobs = static_cast<int>(jobs);
        } else {
            error = "unknown option '" + name + "'";
            return result;
        }
    }
    error = meaninglessCombination(options, passOption, conversionOption, pairCount);
    return result;
}

std::string ArgumentParser::helpText()
{
    // The direction names as the window's direction list shows them.
    const std::string toUnicodeName =
        u8"\u0643\u0648\u0631\u062F\u0649 \u0628\u06C6 \u064A\u0648\u0646\u064A\u0643\u06C6\u062F";
    const std::string toKurdishName =
        u8"\u064A\u0648\u0646\u064A\u0643\u06C6\u062F \u0628\u06C6 \u0643\u0648\u0631\u062F\u0649";
    const std::string finalYa = u8"\u064A";
    const std::string finalAlefMaksura = u8"\u0649";
    const std::string examplePair = u8"\u0643=\u06A9";
    const std::string kurdishKeh = u8"\u06A9";
    const std::string kurdishYeh = u8"\u06CC";
    const std::string ae = u8"\u06D5";
    const std::string heh = u8"\u0647";
    const std::string rreh = u8"\u0695";
    const std::string steps = standardStepNames().join(QStringLiteral(", ")).toStdString();
    return "Usage: pirtok-convert [OPTION]... [FILE]...\n"
           "Convert Sorani Kurdish text between the Kurdish-font writing (the letters that the\n"
           "older Kurdish fonts draw) and Unicode, exactly as a conversion in the Pirtok window.\n"
           "\n"
           "With no FILE, or when FILE is -, read standard input. Several FILEs are converted\n"
           "one after the other, each as a text of its own, and their results concatenated.\n"
           "Files of any size are converted in constant memory.\n"
           "\n"
           "Direction:\n"
           "      --to-unicode        Kurdish-font text to Unicode (\"" +
           toUnicodeName +
           "\"); the default\n"
           "      --to-kurdish-font   Unicode to Kurdish-font text (\"" +
           toKurdishName +
           "\")\n"
           "\n"
           "Conversion:\n"
           "      --pair K=U          a letter pair, as one row of the window's letter boxes: K is\n"
           "                          the letter in Kurdish-font writing, U the letter in Unicode,\n"
           "                          each one character or empty (K=  deletes K when converting to\n"
           "                          Unicode). Up to four, rows 1 to 4 in the order given; the\n"
           "                          first matching row wins. Example: --pair " +
           examplePair +
           "\n"
           "      --selection         end each text as a conversion of a selection does: when\n"
           "                          converting to Unicode, a final " +
           finalYa + " (U+064A) becomes " + finalAlefMaksura +
           " (U+0649)\n"
           "                          as before a space. Without it, each text ends as a\n"
           "                          conversion of the whole text does, which keeps it.\n"
           "\n"
           "Legacy writings and standard Sorani:\n"
           "      --family NAME       what the input is written in: kurdish-font (the window's\n"
           "                          own writing; the default), ali-k, ali-web, dylan,\n"
           "                          zarnegar, auto (each line classed and converted with its\n"
           "                          own table; Arabic and Persian lines are kept), or unicode\n"
           "                          (already Unicode: the standard pass alone). With\n"
           "                          --to-kurdish-font, the family written.\n"
           "      --standard          write standard Sorani Unicode: after the conversion each\n"
           "                          line goes through the standard pass (the letters " +
           kurdishKeh + " " + kurdishYeh + " " + ae +
           ",\n"
           "                          leftover marks, the final " +
           heh + ", the initial " + rreh +
           ", invisible\n"
           "                          marks, spacing around punctuation, digits). A line that is\n"
           "                          already Unicode Kurdish gets the pass alone.\n"
           "      --no-STEP           turn one step of the pass off; STEP is one of\n"
           "                          " +
           steps +
           "\n"
           "      --digits STYLE      digits of the pass: arabic (Arabic-Indic, the default),\n"
           "                          latin (ASCII), or keep\n"
           "      --detect            convert nothing: print for each input the number of lines\n"
           "                          of each writing, most first, as\n"
           "                          \"book.txt: ali-k (812 lines), unicode (40), arabic (3)\"\n"
           "\n"
           "Encodings (invalid input is refused with its byte offset, never replaced; a\n"
           "byte-order mark is kept as the character it is):\n"
           "      --from ENC          input encoding: utf-8, utf-16le, or cp1256 (the Windows\n"
           "                          Arabic code page of older Kurdish-font files, read\n"
           "                          through the system's iconv). Without --from, input is\n"
           "                          UTF-8, or UTF-16LE when it begins with the UTF-16LE\n"
           "                          byte-order mark (bytes FF FE).\n"
           "      --to ENC            output encoding: utf-8 (the default) or utf-16le\n"
           "\n"
           "Speed:\n"
           "  -j, --jobs N            convert a file on N threads, blocks of whole lines at a\n"
           "                          time; the output is the same for any N. The default is\n"
           "                          the number of processors the program may use. Input from\n"
           "                          a pipe or terminal is converted on one thread.\n"
           "\n"
           "Output:\n"
           "  -o, --output OUT        write to OUT instead of standard output. OUT is replaced\n"
           "                          only when the whole conversion succeeded: a failed or\n"
           "                          interrupted run leaves it as it was. OUT may be one of the\n"
           "                          input files. A device or pipe, or the file that standard\n"
           "                          output or error is open on (-o /dev/stdout), is written\n"
           "                          into instead.\n"
           "  -h, --help              show this help and exit\n"
           "  -V, --version           show the version and exit\n"
           "\n"
           "While an input file of more than 8 MiB is converted and standard error is a\n"
           "terminal, a progress line is shown there. Input from a pipe or terminal is\n"
           "converted and written out as it comes.\n"
           "\n"
           "Exit status: 0 on success, 1 on invalid input or a read or write error (the message\n"
           "names the file and the byte offset), 2 on wrong usage.\n"
           "\n"
           "Examples:\n"
           "  pirtok-convert book.txt -o book-unicode.txt\n"
           "  pirtok-convert --from cp1256 old.txt -o new.txt\n"
           "  pirtok-convert --to-kurdish-font --to utf-16le < article.txt > article-font.txt\n"
           "  pirtok-convert --family auto --standard mixed.txt -o standard.txt\n"
           "  pirtok-convert --detect book.txt letters.txt\n"
           "  cat part1.txt part2.txt | pirtok-convert --pair " +
           examplePair + " > joined.txt\n";
}

std::string ArgumentParser::versionText()
{
    return std::string("pirtok-convert ") + PIRTOK_VERSION + "\n";
}

} // namespace pirtok::cli
