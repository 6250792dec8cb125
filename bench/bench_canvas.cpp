#include "bench_document.h"
#include "canvas/canvas_renderer.h"

#include <benchmark/benchmark.h>

namespace {

// The repaint of one pen event: cells and grid of the canvas and the thumbnail.
void BM_Redraw(benchmark::State &bench)
{
    vesk4::Document doc;
    vesk4::EditorState state;
    vesk4::startDiagonalDocument(doc, state);
    vesk4::CanvasRenderer renderer(state);
    for (auto _ : bench) {
        renderer.redraw(doc, state);
        benchmark::DoNotOptimize(renderer.canvas().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Redraw);

} // namespace
