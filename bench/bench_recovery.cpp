#include "app/main_window.h"
#include "bench_application.h"
#include "bench_document.h"
#include "canvas/canvas_view.h"
#include "files/project_file.h"
#include "files/recovery_store.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

using namespace vesk4;

namespace {

// The part of a recovery copy the GUI thread does: the document as project file text.
void BM_RecoverySnapshot(benchmark::State &st)
{
    const Document &doc = fullProjectDocument();
    for (auto _ : st)
        benchmark::DoNotOptimize(projectFileText(doc).value().size());
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The whole copy of the largest project: the text, its checksum, and the file replaced through
// QSaveFile and synced to disk, as the editor's writer thread does it.
void BM_RecoveryWrite(benchmark::State &st)
{
    const Document &doc = fullProjectDocument();
    QTemporaryDir dir;
    const QString copyPath = dir.filePath(QStringLiteral("bench.recovery"));
    const QString projectPath = QStringLiteral("/home/user/projects/full.egd");
    for (auto _ : st) {
        if (!RecoveryStore::writeCopy(copyPath, projectFileText(doc).value(), projectPath))
            st.SkipWithError("write failed");
    }
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A pen move, as BM_PenMove, while the recovery copy of the largest project is written again and
// again on another thread, as the editor's writer does: what the writing costs the drawing.
void BM_PenMoveWhileRecoveryWrites(benchmark::State &st)
{
    benchApplication();
    MainWindow window;
    QTemporaryDir dir;
    const QByteArray snapshot = projectFileText(fullProjectDocument()).value();
    std::atomic<bool> writing{true};
    std::thread writer([&] {
        while (writing)
            RecoveryStore::writeCopy(dir.filePath(QStringLiteral("bench.recovery")), snapshot, QString());
    });
    int step = 0;
    for (auto _ : st) {
        movePenOver(window, step++);
        benchmark::DoNotOptimize(window.renderer().canvas().constBits());
    }
    writing = false;
    writer.join();
}
BENCHMARK(BM_PenMoveWhileRecoveryWrites)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
