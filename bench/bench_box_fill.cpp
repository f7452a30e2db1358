// Where the window's time goes when the main text takes, or gives, the text of a 100 MB
// file: the document's own building, the plain-text layout, the box's reactions, the undo
// stack, a document built on a worker thread and handed over, and reading the text back out.
// The figures chose the window's way: a fill of one edit per turn of the event loop with undo
// off, since building the document is most of the cost and setDocument alone holds the
// window up for half a second. Runs under the offscreen platform; every figure is the
// user-interface thread's.

#include "bench/BenchTexts.h"
#include "ui/UniText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The text of a 100 MB UTF-8 file: two bytes a letter.
constexpr qsizetype TextUnits = qsizetype(50) << 20;
constexpr qsizetype PieceUnits = 64 * 1024;

const QString &bigText()
{
    static const QString text = benchtexts::unicodeText(TextUnits);
    return text;
}

struct Box
{
    Box()
    {
        box.resize(800, 600);
        box.show();
        QCoreApplication::processEvents();
    }
    UniText box;
};

void settle()
{
    QCoreApplication::processEvents();
}

// The path the window takes today: setPlainText on the shown box, and its first repaint.
void BM_SetText(benchmark::State &state)
{
    Box box;
    for (auto _ : state) {
        box.box.setText(bigText());
        settle();
        state.PauseTiming();
        box.box.setText(QString());
        settle();
        state.ResumeTiming();
    }
}

// The document alone: no layout, no view.
void BM_DocumentOnly(benchmark::State &state)
{
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setUndoRedoEnabled(false);
        doc->setPlainText(bigText());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

// The document with the plain-text layout that the box needs, still without a view.
void BM_DocumentWithLayout(benchmark::State &state)
{
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
        doc->setUndoRedoEnabled(false);
        doc->setPlainText(bigText());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

// Deleting a document of the whole text.
void BM_DocumentDelete(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<QTextDocument>();
        doc->setPlainText(bigText());
        state.ResumeTiming();
        doc.reset();
    }
}

// Appending the text piece by piece through a cursor into the shown box, with undo on, or
// off inside one edit block (so the box reacts only at its end); the longest piece is
// reported.
void BM_PiecesIntoBox(benchmark::State &state)
{
    const bool undo = state.range(0) != 0;
    Box box;
    double longest = 0;
    for (auto _ : state) {
        QTextDocument *doc = box.box.document();
        doc->setUndoRedoEnabled(undo);
        QTextCursor cursor(doc);
        if (!undo)
            cursor.beginEditBlock();
        QElapsedTimer piece;
        for (qsizetype at = 0; at < bigText().size(); at += PieceUnits) {
            piece.start();
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(QStringView(bigText()).mid(at, PieceUnits).toString());
            settle();
            longest = std::max(longest, double(piece.nsecsElapsed()) / 1e6);
        }
        if (!undo)
            cursor.endEditBlock();
        settle();
        state.PauseTiming();
        box.box.setText(QString());
        doc->setUndoRedoEnabled(true);
        settle();
        state.ResumeTiming();
    }
    state.counters["longest_piece_ms"] = longest;
}

// The document's raw text, and the line-break mapping that makes it the box's text.
void BM_ReadRaw(benchmark::State &state)
{
    Box box;
    box.box.setText(bigText());
    for (auto _ : state)
        benchmark::DoNotOptimize(box.box.document()->toRawText().size());
}

void BM_ReadText(benchmark::State &state)
{
    Box box;
    box.box.setText(bigText());
    for (auto _ : state)
        benchmark::DoNotOptimize(box.box.text().size());
}

// The text read block by block into one reserved string.
void BM_ReadByBlocks(benchmark::State &state)
{
    Box box;
    box.box.setText(bigText());
    for (auto _ : state) {
        QString out;
        out.reserve(box.box.document()->characterCount());
        for (QTextBlock block = box.box.document()->firstBlock(); block.isValid(); block = block.next()) {
            if (block.position() > 0)
                out.append(QLatin1Char('\n'));
            out.append(block.text());
        }
        benchmark::DoNotOptimize(out.size());
    }
}

// A document built on a worker thread, handed to the window's thread and set into the box:
// the window's part is setDocument and the first repaint.
void BM_DocumentFromWorker(benchmark::State &state)
{
    Box box;
    QThread *const windowThread = QThread::currentThread();
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument *built = nullptr;
        const QFont font = box.box.document()->defaultFont();
        const QTextOption option = box.box.document()->defaultTextOption();
        std::unique_ptr<QThread> worker(QThread::create([&] {
            auto *doc = new QTextDocument;
            doc->setDefaultFont(font);
            doc->setDefaultTextOption(option);
            doc->setUndoRedoEnabled(false);
            doc->setPlainText(bigText());
            doc->setDocumentLayout(new QPlainTextDocumentLayout(doc));
            doc->setUndoRedoEnabled(true);
            doc->moveToThread(windowThread);
            built = doc;
        }));
        worker->start();
        worker->wait();
        QPointer<QTextDocument> old = box.box.document();
        state.ResumeTiming();
        box.box.setDocument(built);
        built->setParent(&box.box);
        settle();
        state.PauseTiming();
        delete old.data(); // the box deleted its own first document itself
        state.ResumeTiming();
    }
}

// Pieces of 16 K units for as long as `budget` ms each turn of the event loop, as a gradual
// fill would: the longest turn is what the user feels.
void BM_TimedPiecesIntoBox(benchmark::State &state)
{
    const int budget = int(state.range(0));
    Box box;
    double longest = 0;
    for (auto _ : state) {
        QTextDocument *doc = box.box.document();
        doc->setUndoRedoEnabled(false);
        QTextCursor cursor(doc);
        qsizetype at = 0;
        QElapsedTimer turn;
        while (at < bigText().size()) {
            turn.start();
            cursor.beginEditBlock();
            while (at < bigText().size() && turn.elapsed() < budget) {
                cursor.insertText(QStringView(bigText()).mid(at, 16 * 1024).toString());
                at += 16 * 1024;
            }
            cursor.endEditBlock();
            settle();
            longest = std::max(longest, double(turn.nsecsElapsed()) / 1e6);
        }
        state.PauseTiming();
        box.box.setText(QString());
        doc->setUndoRedoEnabled(true);
        settle();
        state.ResumeTiming();
    }
    state.counters["longest_turn_ms"] = longest;
}

// The text read out in parts of 1 M units through a selecting cursor.
void BM_ReadInParts(benchmark::State &state)
{
    Box box;
    box.box.setText(bigText());
    double longest = 0;
    for (auto _ : state) {
        QTextDocument *doc = box.box.document();
        QString out;
        out.reserve(doc->characterCount());
        QTextCursor cursor(doc);
        const int end = doc->characterCount() - 1;
        QElapsedTimer part;
        for (int at = 0; at < end; at += 1 << 20) {
            part.start();
            cursor.setPosition(at);
            cursor.setPosition(std::min(end, at + (1 << 20)), QTextCursor::KeepAnchor);
            out.append(cursor.selectedText());
            longest = std::max(longest, double(part.nsecsElapsed()) / 1e6);
        }
        out.replace(QChar(0x2029), QLatin1Char('\n'));
        benchmark::DoNotOptimize(out.size());
    }
    state.counters["longest_part_ms"] = longest;
}

} // namespace

BENCHMARK(BM_DocumentFromWorker)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_TimedPiecesIntoBox)
    ->ArgName("budget_ms")
    ->Arg(8)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_ReadInParts)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SetText)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DocumentOnly)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DocumentWithLayout)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DocumentDelete)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PiecesIntoBox)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadRaw)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadByBlocks)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
