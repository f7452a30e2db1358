#pragma once

#include <QString>

#include <benchmark/benchmark.h>

#include <cstdint>

// What every benchmark of text work is measured against, so that their rates compare.
namespace benchbaseline {

// Items are UTF-16 units and bytes their size, in every benchmark alike.
inline void account(benchmark::State &state, qsizetype units)
{
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * units);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * units * 2);
}

// The baseline: QString::append of each unit into a string reserved for the whole text.
inline void copyUnitByUnit(benchmark::State &state, const QString &text)
{
    for (auto _ : state) {
        QString out;
        out.reserve(text.size());
        for (QChar unit : text)
            out.append(unit);
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text.size());
}

} // namespace benchbaseline
