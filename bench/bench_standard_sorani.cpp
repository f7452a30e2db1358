// The standard Sorani pass and the line classifier, line by line as pirtok-convert runs
// them, on a large text that mixes lines already in Unicode with lines in the Kurdish-font
// writing, beside a plain copy of the same text. Read the rates from the bytes-per-second
// column.

#include "bench/BenchBaseline.h"
#include "bench/BenchTexts.h"
#include "convert/core/LineClass.h"
#include "convert/core/StandardSorani.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr qsizetype TextUnits = 4 * 1024 * 1024; // 8 MB of UTF-16

// Lines of the two writings in turn.
const QString &mixedText()
{
    static const QString text = [] {
        const QString unicode = benchtexts::unicodeText(TextUnits / 2);
        const QString legacy = benchtexts::kurdishFontText(TextUnits / 2);
        const auto unicodeLines = QStringView(unicode).split(u'\n');
        const auto legacyLines = QStringView(legacy).split(u'\n');
        QString mixed;
        mixed.reserve(unicode.size() + legacy.size() + 2);
        for (qsizetype i = 0; i < qMax(unicodeLines.size(), legacyLines.size()); ++i) {
            if (i < unicodeLines.size())
                mixed.append(unicodeLines.at(i)).append(u'\n');
            if (i < legacyLines.size())
                mixed.append(legacyLines.at(i)).append(u'\n');
        }
        return mixed;
    }();
    return text;
}

const QString &unicodeText()
{
    static const QString text = benchtexts::unicodeText(TextUnits);
    return text;
}

std::vector<QStringView> linesOf(const QString &text)
{
    std::vector<QStringView> lines;
    for (QStringView line : QStringView(text).tokenize(u'\n'))
        lines.push_back(line);
    return lines;
}

pirtok::LineOrigin originOf(pirtok::LineClass c)
{
    switch (c) {
    case pirtok::LineClass::AliK:
    case pirtok::LineClass::AliWeb:
    case pirtok::LineClass::Dylan:
        return pirtok::LineOrigin::AliFamily;
    case pirtok::LineClass::Zarnegar:
        return pirtok::LineOrigin::Zarnegar;
    default:
        return pirtok::LineOrigin::Unicode;
    }
}

void BM_CopyLoop_Mixed(benchmark::State &state)
{
    benchbaseline::copyUnitByUnit(state, mixedText());
}

void standardize(benchmark::State &state, const QString &text, pirtok::LineOrigin origin)
{
    const std::vector<QStringView> lines = linesOf(text);
    const pirtok::StandardSteps steps;
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (auto _ : state) {
        out.clear();
        for (QStringView line : lines) {
            pirtok::standardizeLine(line, steps, origin, out);
            out.append(u'\n');
        }
        benchmark::DoNotOptimize(out.constData());
    }
    benchbaseline::account(state, text.size());
}

void BM_Standardize_Unicode(benchmark::State &state)
{
    standardize(state, unicodeText(), pirtok::LineOrigin::Unicode);
}

void BM_Standardize_Mixed(benchmark::State &state)
{
    standardize(state, mixedText(), pirtok::LineOrigin::AliFamily);
}

void classify(benchmark::State &state, const QString &text)
{
    const std::vector<QStringView> lines = linesOf(text);
    for (auto _ : state) {
        pirtok::LineClassTally tally;
        for (QStringView line : lines)
            tally.add(pirtok::classifyLine(line));
        benchmark::DoNotOptimize(tally.total());
    }
    benchbaseline::account(state, text.size());
}

void BM_Classify_Mixed(benchmark::State &state)
{
    classify(state, mixedText());
}

// Every line counted whole: no letter only Unicode Kurdish has ends the count early.
void BM_Classify_KurdishFont(benchmark::State &state)
{
    static const QString text = benchtexts::kurdishFontText(TextUnits);
    classify(state, text);
}

void BM_Classify_Unicode(benchmark::State &state)
{
    classify(state, unicodeText());
}

// What --family auto --standard does beside the family's tables: class each line, then the
// pass with the origin its class gives.
void BM_ClassifyAndStandardize_Mixed(benchmark::State &state)
{
    const std::vector<QStringView> lines = linesOf(mixedText());
    const pirtok::StandardSteps steps;
    QString out;
    out.reserve(mixedText().size() + mixedText().size() / 4);
    for (auto _ : state) {
        out.clear();
        for (QStringView line : lines) {
            pirtok::standardizeLine(line, steps, originOf(pirtok::classifyLine(line)), out);
            out.append(u'\n');
        }
        benchmark::DoNotOptimize(out.constData());
    }
    benchbaseline::account(state, mixedText().size());
}

} // namespace

BENCHMARK(BM_CopyLoop_Mixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Standardize_Unicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Standardize_Mixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Classify_Mixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Classify_KurdishFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Classify_Unicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassifyAndStandardize_Mixed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
