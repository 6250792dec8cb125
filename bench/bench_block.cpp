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
    tools.press(vesk4::toolPointer(state, 20, 30), vesk4::kLeftButton);
    double x = 100;
    for (auto _ : bench) {
        x = x < 500 ? x + 8 : 100;
        benchmark::DoNotOptimize(tools.move(vesk4::toolPointer(state, x, x), vesk4::kLeftButton).refresh);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RangeDrag);

} // namespace
