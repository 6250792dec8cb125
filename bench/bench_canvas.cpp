#include "app/page_state.h"
#include "canvas/canvas_renderer.h"

#include <benchmark/benchmark.h>

namespace {

// The repaint of one pen event: cells and grid of the canvas and the thumbnail.
void BM_Redraw(benchmark::State &bench)
{
    vesk4::Document doc;
    vesk4::EditorState state;
    vesk4::startDocument(doc, state);
    for (int i = 0; i < 64; ++i)
        doc.PixelData(0, i, i) = 1;
    vesk4::CanvasRenderer renderer(state);
    for (auto _ : bench) {
        renderer.redraw(doc, state);
        benchmark::DoNotOptimize(renderer.canvas().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Redraw);

} // namespace
