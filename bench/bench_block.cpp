#include "bench_document.h"
#include "canvas/block_tools.h"
#include "canvas/mouse_buttons.h"

#include <benchmark/benchmark.h>

namespace {

// One move of a range drag: the repaint of the canvas and the red outline over it.
void BM_RangeDrag(benchmark::State &bench)
{
    vesk4::Document doc;
    vesk4::EditorState state;
    vesk4::startDiagonalDocument(doc, state);
    vesk4::CanvasRenderer renderer(state);
    vesk4::BlockTools tools(doc, state, renderer);
    tools.toolButtonClicked(1);
    tools.canvasMouseDown(vesk4::kLeftButton, 20, 30);
    double x = 100;
    for (auto _ : bench) {
        x = x < 500 ? x + 8 : 100;
        benchmark::DoNotOptimize(tools.canvasMouseMove(vesk4::kLeftButton, x, x));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RangeDrag);

} // namespace
