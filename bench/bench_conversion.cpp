// Conversion throughput in both directions, and of the legacy writings with the standard
// pass, beside a plain copy of the same text, unit by
// unit, into a reserved buffer. Read the ratio from the bytes-per-second column.

#include "bench/BenchBaseline.h"
#include "bench/BenchTexts.h"
#include "convert/core/ConversionEngine.h"
#include "convert/core/StreamConverter.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype TextUnits = 2 * 1024 * 1024; // 4 MB of UTF-16

const QString &kurdishFont()
{
    static const QString text = benchtexts::kurdishFontText(TextUnits);
    return text;
}

const QString &unicode()
{
    static const QString text = benchtexts::unicodeText(TextUnits);
    return text;
}

void account(benchmark::State &state, const QString &text)
{
    benchbaseline::account(state, text.size());
}

// For reference only: a raw pointer loop, which the compiler turns into a block copy.
void rawCopyLoop(benchmark::State &state, const QString &text)
{
    for (auto _ : state) {
        QString out(text.size(), Qt::Uninitialized);
        const QChar *from = text.constData();
        QChar *to = out.data();
        for (qsizetype i = 0; i < text.size(); ++i)
            to[i] = from[i];
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text);
}

void convert(benchmark::State &state, const QString &text, pirtok::Direction direction,
             const pirtok::LetterPairs &pairs)
{
    for (auto _ : state) {
        QString out = pirtok::convertText(text, direction, pairs);
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text);
}

pirtok::LetterPairs fullPairs()
{
    pirtok::LetterPairs pairs;
    const char16_t kurdish[] = {0x0643, 0x0626, 0x0642, 0x0641};
    const char16_t uni[] = {0x06A9, 0x0626, 0x0642, 0x0641};
    for (int k = 0; k < pirtok::LetterPairs::PairCount; ++k) {
        pairs.setBox(2 * k, QString(QChar(kurdish[k])));
        pairs.setBox(2 * k + 1, QString(QChar(uni[k])));
    }
    return pairs;
}

// `chunk` units at a time, as pirtok-convert feeds its slices.
void streamed(benchmark::State &state, const QString &text, pirtok::Direction direction, qsizetype chunk)
{
    pirtok::StreamConverter converter(direction, pirtok::LetterPairs());
    for (auto _ : state) {
        QString out;
        for (qsizetype at = 0; at < text.size(); at += chunk) {
            converter.feed(QStringView(text).mid(at, chunk), out);
            benchmark::DoNotOptimize(out.constData());
            out.clear(); // the caller drains the output as it goes
        }
        converter.flush(out);
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text);
}

// A legacy writing's plan, line by line with the standard pass, as --family F --standard.
void streamedPlan(benchmark::State &state, const QString &text, pirtok::Family family)
{
    pirtok::StreamConverter converter(pirtok::ConversionPlan{
        family, pirtok::Direction::KurdishToUnicode, {}, pirtok::RunKind::WholeText, true, {}});
    for (auto _ : state) {
        QString out;
        for (qsizetype at = 0; at < text.size(); at += 16 * 1024) {
            converter.feed(QStringView(text).mid(at, 16 * 1024), out);
            benchmark::DoNotOptimize(out.constData());
            out.clear();
        }
        converter.flush(out);
        benchmark::DoNotOptimize(out.constData());
    }
    account(state, text);
}

void BM_CopyLoop_KurdishFont(benchmark::State &state)
{
    benchbaseline::copyUnitByUnit(state, kurdishFont());
}
void BM_RawCopyLoop_KurdishFont(benchmark::State &state)
{
    rawCopyLoop(state, kurdishFont());
}
void BM_Convert_KurdishToUnicode(benchmark::State &state)
{
    convert(state, kurdishFont(), pirtok::Direction::KurdishToUnicode, pirtok::LetterPairs());
}
void BM_Convert_KurdishToUnicode_FourPairs(benchmark::State &state)
{
    convert(state, kurdishFont(), pirtok::Direction::KurdishToUnicode, fullPairs());
}
void BM_Stream_KurdishToUnicode_64K(benchmark::State &state)
{
    streamed(state, kurdishFont(), pirtok::Direction::KurdishToUnicode, 64 * 1024);
}
void BM_Stream_KurdishToUnicode_16K(benchmark::State &state)
{
    streamed(state, kurdishFont(), pirtok::Direction::KurdishToUnicode, 16 * 1024);
}
void BM_Stream_AliKStandard_16K(benchmark::State &state)
{
    streamedPlan(state, kurdishFont(), pirtok::Family::AliK);
}
void BM_Stream_AutoStandard_16K(benchmark::State &state)
{
    streamedPlan(state, kurdishFont(), pirtok::Family::Auto);
}

void BM_CopyLoop_Unicode(benchmark::State &state)
{
    benchbaseline::copyUnitByUnit(state, unicode());
}
void BM_RawCopyLoop_Unicode(benchmark::State &state)
{
    rawCopyLoop(state, unicode());
}
void BM_Convert_UnicodeToKurdish(benchmark::State &state)
{
    convert(state, unicode(), pirtok::Direction::UnicodeToKurdish, pirtok::LetterPairs());
}
void BM_Convert_UnicodeToKurdish_FourPairs(benchmark::State &state)
{
    convert(state, unicode(), pirtok::Direction::UnicodeToKurdish, fullPairs());
}
void BM_Stream_UnicodeToKurdish_64K(benchmark::State &state)
{
    streamed(state, unicode(), pirtok::Direction::UnicodeToKurdish, 64 * 1024);
}
void BM_Stream_UnicodeToKurdish_16K(benchmark::State &state)
{
    streamed(state, unicode(), pirtok::Direction::UnicodeToKurdish, 16 * 1024);
}

} // namespace

BENCHMARK(BM_CopyLoop_KurdishFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawCopyLoop_KurdishFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_KurdishToUnicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_KurdishToUnicode_FourPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_KurdishToUnicode_64K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_KurdishToUnicode_16K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_AliKStandard_16K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_AutoStandard_16K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyLoop_Unicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawCopyLoop_Unicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_UnicodeToKurdish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_UnicodeToKurdish_FourPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_UnicodeToKurdish_64K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_UnicodeToKurdish_16K)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
