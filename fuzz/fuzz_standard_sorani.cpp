// The standard Sorani pass and the line classifier on any line: with any steps switched
// off, any digit style and any origin, the pass must be idempotent, append without
// touching what `out` held, leave every unit outside the Arabic script where it was
// (spaces aside) and give what taking every unit through the steps gives; the classifier
// must answer for every line, counting the same signs by windows as unit by unit.

#include "convert/core/LineClass.h"
#include "convert/core/LineSigns.h"
#include "convert/core/StandardSorani.h"
#include "fuzz/FuzzSupport.h"

#include <QString>

using namespace pirtok;

namespace {

// Units the pass and the classifier react to, so that short inputs reach them.
constexpr char16_t Alphabet[] = {
    0x0643, 0x06AA, 0x064A, 0x0649, 0x06D2, 0x0629, 0x06BE, 0x0676, 0x0647, 0x06D5, 0x06CC, 0x06CE, 0x0648,
    0x06C6, 0x0644, 0x06B5, 0x0631, 0x0695, 0x0627, 0x0623, 0x0625, 0x0622, 0x0628, 0x062B, 0x0635, 0x0637,
    0x06AF, 0x067E, 0x06A9, 0x0640, 0x064B, 0x064C, 0x064D, 0x064E, 0x064F, 0x0650, 0x0651, 0x0652, 0x200C,
    0x200D, 0x200E, 0x200F, 0x202B, 0x2067, 0xFEFF, 0x06F1, 0x0663, 0x0035, 0x0020, 0x002E, 0x002C, 0x060C,
    0x061F, 0x0021, 0x003A, 0x0028, 0x0029, 0x00AB, 0x00BB, 0x0061, 0xD83D, 0xDE00};
constexpr unsigned AlphabetSize = sizeof(Alphabet) / sizeof(Alphabet[0]);

char16_t unitFrom(std::uint8_t high, std::uint8_t low)
{
    if (high < 0xE0)
        return Alphabet[(unsigned(high) << 8 | low) % AlphabetSize];
    return static_cast<char16_t>((unsigned(high) << 8 | low) ^ 0xE000);
}

bool outsideArabicScript(char16_t u)
{
    const bool arabic = u >= 0x0600 && u <= 0x06FF;
    const bool invisible = (u >= 0x200C && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) ||
                           (u >= 0x2066 && u <= 0x2069) || u == 0xFEFF;
    return !arabic && !invisible && u != u' ';
}

QString outside(QStringView text)
{
    QString kept;
    for (QChar c : text)
        if (outsideArabicScript(c.unicode()))
            kept.append(c);
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FuzzInput input(data, size);
    const std::uint8_t off = input.byte();
    const std::uint8_t choice = input.byte();
    StandardSteps steps;
    const QStringList names = standardStepNames();
    for (int i = 0; i < names.size(); ++i)
        if (off & (1u << i))
            fuzzing::check(disableStepByName(steps, names.at(i)), "a listed step name is refused");
    steps.digits = DigitStyle(choice % 3);
    const auto origin = LineOrigin(choice / 3 % 3);

    QString line;
    while (input.restSize() >= 2)
        line.append(QChar(unitFrom(input.byte(), input.byte())));

    const QString prefix = QStringLiteral("kept\n");
    QString out = prefix;
    standardizeLine(line, steps, origin, out);
    fuzzing::check(out.startsWith(prefix), "the pass changed what out held");
    const QString once = out.sliced(prefix.size());
    fuzzing::check(standardizeLine(once, steps, origin) == once, "the pass is not idempotent");
    if (steps.digits == DigitStyle::Keep)
        fuzzing::check(outside(once) == outside(line), "the pass changed text outside the Arabic script");
    QString plain;
    detail::standardizeLineUnitByUnit(line, steps, origin, plain);
    fuzzing::check(plain == once, "a run copied unchanged differs from the steps unit by unit");

    fuzzing::check(detail::countSigns(line) == detail::countSignsUnitByUnit(line),
                   "the signs counted by windows differ from those counted unit by unit");
    const LineClass c = classifyLine(line);
    fuzzing::check(int(c) >= 0 && int(c) < LineClassCount, "no such line class");
    LineClassTally tally;
    tally.add(c);
    fuzzing::check(!tally.summary().isEmpty(), "an empty verdict");
    return 0;
}
