// Search on a 10-million-unit Kurdish text, beside plain copies of the same text: replace
// all of a word with a million matches, find next from a caret in the middle, and the
// whole-text upper-casing for reference.

#include "bench/BenchBaseline.h"
#include "bench/BenchTexts.h"
#include "search/core/ReplaceAll.h"
#include "search/core/UpperCasing.h"
#include "search/core/WordFinder.h"

#include <benchmark/benchmark.h>

namespace {

using benchbaseline::account;
using benchbaseline::copyUnitByUnit;

constexpr qsizetype TextUnits = 10'000'000;
constexpr qsizetype MatchEvery = 10; // units: a million matches in the text

const QString &plainText()
{
    static const QString text = benchtexts::unicodeText(TextUnits);
    return text;
}

// The running text with `word` written over it every MatchEvery units.
QString textWithMatches(const QString &word)
{
    QString text = plainText();
    for (qsizetype at = 0; at + word.size() <= text.size(); at += MatchEvery)
        text.replace(at, word.size(), word);
    return text;
}

const QString KurdishWord = QString::fromUtf16(u"\u0698\u06CC\u0646");              // not in the running text
const QString KurdishReplacement = QString::fromUtf16(u"\u0698\u06CC\u0627\u0646"); // one unit longer

// The baseline.
void BM_CopyLoop(benchmark::State &state)
{
    copyUnitByUnit(state, plainText());
}

// For reference: a block copy of the whole text.
void BM_BlockCopy(benchmark::State &state)
{
    const QString &text = plainText();
    for (auto _ : state) {
        QString out(text.constData(), text.size());
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text.size());
}

void replaceAllMillion(benchmark::State &state, const QString &planted, const QString &word,
                       const QString &replacement)
{
    const QString text = textWithMatches(planted);
    qsizetype count = 0;
    for (auto _ : state) {
        const pirtok::ReplaceAllResult result =
            pirtok::replaceAll(text, pirtok::WordFinder(word), replacement);
        count = result.count;
        benchmark::DoNotOptimize(result.text.constData());
    }
    state.counters["matches"] = static_cast<double>(count);
    account(state, text.size());
}

void BM_ReplaceAll_Kurdish(benchmark::State &state)
{
    replaceAllMillion(state, KurdishWord, KurdishWord, KurdishReplacement);
}

// A Latin word matches in either case: every unit is looked up in the case table.
void BM_ReplaceAll_LatinAnyCase(benchmark::State &state)
{
    replaceAllMillion(state, QStringLiteral("Kin"), QStringLiteral("kIN"), QStringLiteral("king"));
}

// Find next from a caret in the middle of the text: the word (from its own upper-casing
// on) to the next match, which lies a few words on...
void BM_FindNext_NextMatchNear(benchmark::State &state)
{
    const QString &text = plainText();
    const QString word = text.mid(TextUnits / 2 + 40, 4);
    qsizetype found = -1;
    for (auto _ : state) {
        found = pirtok::WordFinder(word).find(text, TextUnits / 2);
        benchmark::DoNotOptimize(found);
    }
    state.counters["distance"] = static_cast<double>(found - TextUnits / 2);
}

// ... or, at worst, through the rest of the text when there is none.
void findNothingBehindTheCaret(benchmark::State &state, const QString &word)
{
    const QString &text = plainText();
    for (auto _ : state) {
        const qsizetype found = pirtok::WordFinder(word).find(text, TextUnits / 2);
        benchmark::DoNotOptimize(found);
    }
    account(state, TextUnits / 2);
}

void BM_FindNext_NoMatch_Kurdish(benchmark::State &state)
{
    findNothingBehindTheCaret(state, KurdishWord);
}

void BM_FindNext_NoMatch_Latin(benchmark::State &state)
{
    findNothingBehindTheCaret(state, QStringLiteral("kin"));
}

// The whole text upper-cased, as a search that copies it first would do.
void BM_UpperCaseWholeText(benchmark::State &state)
{
    const QString &text = plainText();
    for (auto _ : state) {
        QString upper = pirtok::upperCased(text);
        benchmark::DoNotOptimize(upper.constData());
    }
    account(state, text.size());
}

} // namespace

BENCHMARK(BM_CopyLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll_Kurdish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll_LatinAnyCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_NextMatchNear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNext_NoMatch_Kurdish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_NoMatch_Latin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpperCaseWholeText)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
