// Reversal is one pass over the text: 10 million units should take well under a second.

#include "bench/BenchTexts.h"
#include "convert/core/Reversal.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Reverse(benchmark::State &state)
{
    const QString text = benchtexts::unicodeText(state.range(0));
    for (auto _ : state) {
        QString reversed = pirtok::reversedText(text);
        benchmark::DoNotOptimize(reversed.constData());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * text.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
}

} // namespace

BENCHMARK(BM_Reverse)->Arg(10000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
