// A 100 MB file opened into the main text and saved from it, as the user's Ctrl+O and
// Ctrl+S do, with the saves made while the user works attached as in the program: the time from the command
// to its end, and the longest the window's thread went without turning its event loop (what the user feels as
// a freeze), measured as the longest gap between the ticks of a zero-interval timer. Runs under the offscreen
// platform in a private home.

#include "autosave/Autosave.h"
#include "autosave/SavedTextSaver.h"
#include "bench/BenchProgram.h"
#include "bench/BenchTexts.h"
#include "files/FileCommands.h"
#include "files/FileDialogs.h"
#include "files/FileHandling.h"
#include "shell/Form3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Two bytes a letter in UTF-8: a file of about 100 MB.
constexpr qsizetype TextUnits = qsizetype(50) << 20;
constexpr int WaitLimitMs = 120'000;

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
        commands = &(new FileHandling(window))->commands();
        new Autosave(window, saver);
        window.show();
        QFile file(bigFile());
        file.open(QIODevice::WriteOnly);
        file.write(benchtexts::unicodeText(TextUnits).toUtf8());
    }
    QString bigFile() const { return home.filePath(QStringLiteral("big.txt")); }
    QTemporaryDir home;
    SavedTextSaver saver;
    Form3 window;
    FileCommands *commands = nullptr;
};

Program &program()
{
    return BenchProgram<Program>::get();
}

// Turns the event loop until `done`, keeping the longest gap between two turns.
class StretchProbe
{
public:
    StretchProbe()
    {
        m_ticks.setInterval(0);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed());
            m_sinceTick.start();
        });
    }
    template <class Done> bool runUntil(Done done)
    {
        QElapsedTimer limit;
        limit.start();
        m_sinceTick.start();
        m_ticks.start();
        while (!done() && limit.elapsed() < WaitLimitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed());
        m_ticks.stop();
        return done();
    }
    double longestMs() const { return double(m_longest) / 1e6; }

private:
    QTimer m_ticks;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

// Runs `command` from the event loop and turns the loop until the file commands report its
// end; false when they did not in time.
bool runCommand(Program &p, StretchProbe &probe, const std::function<void()> &command)
{
    bool ended = false;
    const auto end = [&ended] { ended = true; };
    const QMetaObject::Connection connections[] = {QObject::connect(p.commands, &FileCommands::opened, end),
                                                   QObject::connect(p.commands, &FileCommands::saved, end),
                                                   QObject::connect(p.commands, &FileCommands::failed, end)};
    QTimer::singleShot(0, p.commands, command);
    const bool done = probe.runUntil([&] { return ended && !p.commands->busy(); });
    for (const QMetaObject::Connection &connection : connections)
        QObject::disconnect(connection);
    return done;
}

void openBigFile(Program &p, benchmark::State &state, StretchProbe &probe)
{
    if (!runCommand(p, probe, [&p] { p.commands->openFiles({p.bigFile()}); }) ||
        p.window.Text1->text().size() < TextUnits)
        state.SkipWithError("the open did not end with the whole text");
}

void BM_OpenInWindow(benchmark::State &state)
{
    Program &p = program();
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.window.Text1->setText(QStringLiteral("short"));
        state.ResumeTiming();
        StretchProbe probe;
        openBigFile(p, state, probe);
        longest = std::max(longest, probe.longestMs());
    }
    state.counters["longest_stretch_ms"] = longest;
}

// Right after the open the box still knows its text; after an edit the save reads it out of
// the box's document.
void BM_SaveInWindow(benchmark::State &state)
{
    const bool edited = state.range(0) != 0;
    Program &p = program();
    const QString out = p.home.filePath(QStringLiteral("out.txt"));
    FileDialogs::setSaveFunction([&out](QWidget *, const QString &, pirtok::files::SaveEncoding) {
        return std::optional<FileDialogs::SaveChoice>(
            FileDialogs::SaveChoice{out, pirtok::files::SaveEncoding::Utf8});
    });
    if (p.window.Text1->text().size() < TextUnits) {
        StretchProbe untimed;
        openBigFile(p, state, untimed);
    }
    {
        QElapsedTimer t;
        t.start();
        const QString text = p.window.Text1->text();
        fprintf(stderr, "text() %lld ms\n", t.restart());
        const QString raw = p.window.Text1->document()->toRawText();
        fprintf(stderr, "raw %lld ms\n", t.restart());
    }
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(out);
        if (edited)
            QTextCursor(p.window.Text1->document()).insertText(QStringLiteral("x"));
        state.ResumeTiming();
        StretchProbe probe;
        if (!runCommand(p, probe, [&p] { p.commands->saveAs(); }))
            state.SkipWithError("the save did not end");
        longest = std::max(longest, probe.longestMs());
    }
    if (QFile(out).size() < TextUnits)
        state.SkipWithError("the saved file is short");
    FileDialogs::setSaveFunction({});
    state.counters["longest_stretch_ms"] = longest;
}

} // namespace

BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_SaveInWindow)
    ->ArgName("edited")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    BenchProgram<Program>::end();
    return 0;
}
