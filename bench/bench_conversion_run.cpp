// The cost of one tick of a run must not grow with the text: a tick on a 10-thousand- and
// on a 10-million-unit source, both measured in the middle of a run.

#include "bench/BenchTexts.h"
#include "convert/core/ConversionRun.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype LongText = 10000000;

const QString &longText(int listIndex)
{
    static const QString kurdishFont = benchtexts::kurdishFontText(LongText);
    static const QString unicode = benchtexts::unicodeText(LongText);
    return listIndex == 0 ? kurdishFont : unicode;
}

// Each run converts the next slice of one long text: a short source that came round again
// and again would let the branch predictor learn it and flatter the short case.
void tick(benchmark::State &state, qsizetype units, int listIndex)
{
    const QString &text = longText(listIndex == 2 ? 0 : listIndex);
    const pirtok::LetterPairs pairs;
    qsizetype offset = 0;
    const auto nextSource = [&] {
        if (offset + units > text.size())
            offset = 0;
        const QString source = text.mid(offset, units);
        offset += units;
        return source;
    };
    pirtok::ConversionRun run;
    run.start(nextSource(), pirtok::RunKind::WholeText);
    // Start past the beginning, so the result already holds a part of the text.
    const qsizetype warmTicks = units / pirtok::ConversionRun::StepsPerTick / 4;
    for (qsizetype i = 0; i < warmTicks; ++i)
        run.tick(listIndex, pairs);
    for (auto _ : state) {
        if (run.tick(listIndex, pairs) == pirtok::ConversionRun::TickResult::Ended) {
            state.PauseTiming();
            run.start(nextSource(), pirtok::RunKind::WholeText);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * pirtok::ConversionRun::StepsPerTick);
    state.counters["source_units"] = static_cast<double>(units);
}

void BM_Tick_KurdishToUnicode(benchmark::State &state)
{
    tick(state, state.range(0), 0);
}
void BM_Tick_UnicodeToKurdish(benchmark::State &state)
{
    tick(state, state.range(0), 1);
}
void BM_Tick_NoDirection(benchmark::State &state)
{
    tick(state, state.range(0), 2);
}

} // namespace

BENCHMARK(BM_Tick_KurdishToUnicode)->Arg(10000)->Arg(10000000);
BENCHMARK(BM_Tick_UnicodeToKurdish)->Arg(10000)->Arg(10000000);
BENCHMARK(BM_Tick_NoDirection)->Arg(10000)->Arg(10000000);

BENCHMARK_MAIN();
