// The streaming converter against the whole-text conversion: fed its input cut into
// random chunks, in either direction, with letter pairs or without, ending as a whole
// text or as a selection, it must give exactly what convertText() gives.

#include "convert/core/ConversionEngine.h"
#include "convert/core/LetterPairs.h"
#include "convert/core/StreamConverter.h"
#include "fuzz/FuzzSupport.h"

#include <QString>

using namespace pirtok;

namespace {

// Units the rules care about, so that short inputs reach them: the fuzzer picks by index.
constexpr char16_t Alphabet[] = {0x0629, 0x0636, 0x0637, 0x062B, 0x0638, 0x0630, 0x0624, 0x0648,
                                 0x064E, 0x064A, 0x0644, 0x0623, 0x0622, 0x0627, 0x0631, 0x0650,
                                 0x0649, 0x0643, 0x0647, 0x06D5, 0x0686, 0x06AF, 0x067E, 0x06CC,
                                 0x06CE, 0x06B5, 0x0695, 0x06BE, 0x200C, 0x06C6, 0x06A9, 0x0020,
                                 0x002E, 0x061F, 0x0022, 0x000A, 0x000D, 0xD83D, 0xDE00, 0xFEFF};
constexpr unsigned AlphabetSize = sizeof(Alphabet) / sizeof(Alphabet[0]);

// A unit from two bytes: mostly from the alphabet, sometimes any unit at all.
char16_t unitFrom(std::uint8_t high, std::uint8_t low)
{
    if (high < 0xE0)
        return Alphabet[(unsigned(high) << 8 | low) % AlphabetSize];
    return static_cast<char16_t>((unsigned(high) << 8 | low) ^ 0xE000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FuzzInput input(data, size);
    const std::uint8_t flags = input.byte();
    const std::uint8_t seed = input.byte();
    const Direction direction = flags & 1 ? Direction::UnicodeToKurdish : Direction::KurdishToUnicode;
    const RunKind kind = flags & 2 ? RunKind::Selection : RunKind::WholeText;
    LetterPairs pairs;
    if (flags & 4) {
        // Each box: empty, or one unit (the boxes' usual state), or now and then two.
        for (int box = 0; box < LetterPairs::BoxCount; ++box) {
            const std::uint8_t shape = input.byte();
            QString text;
            for (int i = 0; i < (shape & 3) % 3; ++i)
                text.append(QChar(unitFrom(input.byte(), input.byte())));
            pairs.setBox(box, text);
        }
    }
    QString text;
    while (input.restSize() >= 2)
        text.append(QChar(unitFrom(input.byte(), input.byte())));

    const QString whole = convertText(text, direction, pairs, kind);
    StreamConverter converter(direction, pairs, kind);
    QString streamed;
    qsizetype at = 0;
    for (std::size_t piece : fuzzing::FuzzInput::cuts(std::size_t(text.size()), seed)) {
        converter.feed(QStringView(text).mid(at, qsizetype(piece)), streamed);
        at += qsizetype(piece);
    }
    converter.flush(streamed);
    fuzzing::check(streamed == whole, "the streamed conversion differs from the whole-text one");

    // A converter is fed the next text after flush() as if it were new.
    StreamConverter reused(direction, pairs, kind);
    QString first;
    reused.feed(text, first);
    reused.flush(first);
    QString second;
    reused.feed(text, second);
    reused.flush(second);
    fuzzing::check(first == whole && second == whole, "flush() leaves state behind");
    return 0;
}
