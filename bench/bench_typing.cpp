// Typing into the main text while it holds 10 million characters, with the keyboard's
// translation and the saves made as the user works attached as in the program: the cost of one keystroke (the
// autosave only restarts a timer), the user-interface thread's part of a save (reading the text and handing a
// copy to the writer), and the whole save written on the spot for reference. Runs under the offscreen
// platform in a private home.

#include "autosave/Autosave.h"
#include "autosave/SavedTextSaver.h"
#include "bench/BenchProgram.h"
#include "keyboard/KeyboardTyping.h"
#include "shell/Form3.h"
#include "shell/IniSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype TextUnits = 10'000'000;

// Kurdish words with spaces and a line break now and then, as typed prose.
QString longText()
{
    const QString words[] = {QStringLiteral("\u06A9\u0648\u0631\u062F\u06CC"),
                             QStringLiteral("\u0646\u0648\u0648\u0633\u06CC\u0646"),
                             QStringLiteral("\u0695\u06C6\u0698")};
    QString text;
    text.reserve(TextUnits);
    for (int i = 0; text.size() < TextUnits; ++i)
        text += words[i % 3] + (i % 40 == 39 ? u'\n' : u' ');
    text.truncate(TextUnits);
    return text;
}

struct Program
{
    Program()
    {
        for (const char *folder : {"config", "state", "tmp", "Desktop"})
            QDir(home.path()).mkpath(QLatin1String(folder));
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_STATE_HOME", (home.path() + QStringLiteral("/state")).toUtf8());
        qputenv("TMP", (home.path() + QStringLiteral("/tmp")).toUtf8());
        new KeyboardTyping(window, store);
        window.Text1->setText(longText());
        autosave = new Autosave(window, saver);
        window.show();
        window.Text1->setFocus();
    }
    QTemporaryDir home;
    IniSettingsStore store;
    SavedTextSaver saver;
    Form3 window;
    Autosave *autosave = nullptr;
};

Program &program()
{
    return BenchProgram<Program>::get();
}

void BM_Keystroke(benchmark::State &state)
{
    UniText *text = program().window.Text1;
    for (auto _ : state) {
        QTest::keyClick(text, Qt::Key_A);
        QCoreApplication::processEvents();
    }
    program().autosave->settle();
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_SaveHandOver(benchmark::State &state)
{
    Form3 &form = program().window;
    IniSettingsStore store;
    SavedTextSaver saver;
    for (auto _ : state) {
        saver.saveInBackground(form.Text1->text());
        state.PauseTiming();
        saver.waitForIdle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveHandOver)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SaveOnTheSpot(benchmark::State &state)
{
    Form3 &form = program().window;
    IniSettingsStore store;
    SavedTextSaver saver;
    for (auto _ : state)
        benchmark::DoNotOptimize(saver.save(form.Text1->text()).ok());
}
BENCHMARK(BM_SaveOnTheSpot)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    BenchProgram<Program>::end();
    return 0;
}
