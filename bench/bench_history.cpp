#include "document/edit_history.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// The heap that 1,000 steps of 20-cell pen strokes hold, counted by the allocator: the steps'
// commands with their cell changes, after the strokes' journals have been handed over.
void BM_HistoryMemory(benchmark::State &bench)
{
    constexpr int kSteps = 1000;
    constexpr int kCellsPerStep = 20;
    vesk4::Document doc;
    double bytes = 0;
    int16_t value = 0;
    for (auto _ : bench) {
        value = int16_t(value % 1000 + 1); // differs from what the last round wrote, so every write counts
        const std::size_t before = mallinfo2().uordblks;
        {
            vesk4::EditHistory history(doc);
            for (int step = 0; step < kSteps; ++step) {
                for (int i = 0; i < kCellsPerStep; ++i)
                    history.cellChanges().write(doc.PixelData, step % 31, i, step % 256, value);
                history.commitCells(QStringLiteral("描画"));
            }
            bytes = double(mallinfo2().uordblks - before);
            benchmark::DoNotOptimize(history.stack().count());
        }
    }
    bench.counters["bytes"] = bytes;
    bench.counters["bytes_per_step"] = bytes / kSteps;
}
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond);

} // namespace
