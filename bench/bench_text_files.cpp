// A 100 MB file opens and saves on a worker thread: reading and writing it should take
// about a second, so that the progress caption moves steadily and nothing waits long. The
// files are real, in the system's temporary folder, written through QSaveFile as the
// window writes them.

#include "bench/BenchTexts.h"
#include "files/core/TextFileReader.h"
#include "files/core/TextFileWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pirtok::files;

namespace {

constexpr qint64 FileBytes = qint64(100) << 20;

// The text whose file in `encoding` is about 100 MB: two bytes a letter in UTF-8 and
// UTF-16, one in cp1256.
QString textFor(SaveEncoding encoding)
{
    if (encoding == SaveEncoding::Cp1256)
        return benchtexts::kurdishFontText(FileBytes);
    return benchtexts::unicodeText(FileBytes / 2);
}

bool writeFile(const QString &path, const QString &text, SaveEncoding encoding)
{
    QSaveFile file(path);
    WorkProgress progress;
    return file.open(QIODevice::WriteOnly) &&
           !writeTextFile(file, text, encoding, LineBreaks::CrLf, progress) && file.commit();
}

void BM_SaveFile(benchmark::State &state)
{
    const auto encoding = static_cast<SaveEncoding>(state.range(0));
    const QString text = textFor(encoding);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.txt"));
    for (auto _ : state) {
        if (!writeFile(path, text, encoding))
            state.SkipWithError("the file could not be written");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(path).size());
}

void BM_OpenFile(benchmark::State &state)
{
    const auto encoding = static_cast<SaveEncoding>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.txt"));
    if (!writeFile(path, textFor(encoding), encoding)) {
        state.SkipWithError("the file could not be written");
        return;
    }
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        WorkProgress progress;
        ReadResult result = readTextFile(file, progress);
        if (result.fault)
            state.SkipWithError("the file was refused");
        benchmark::DoNotOptimize(result.text.constData());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(path).size());
}

void encodings(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("encoding");
    for (const SaveEncoding encoding : {SaveEncoding::Utf8, SaveEncoding::Utf16Le, SaveEncoding::Cp1256})
        bench->Arg(int64_t(encoding));
}

} // namespace

// 0 UTF-8, 1 UTF-16LE, 2 cp1256 (its reading tries UTF-8 first, as the window does).
BENCHMARK(BM_OpenFile)->Apply(encodings)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveFile)->Apply(encodings)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
