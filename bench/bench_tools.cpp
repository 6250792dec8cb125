#include "app/main_window.h"
#include "bench_application.h"
#include "bench_document.h"
#include "canvas/canvas_tools.h"
#include "canvas/canvas_view.h"
#include "canvas/mouse_buttons.h"
#include "canvas/tool_panel.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// A fill of the whole empty 64 x 256 sheet by a click of the fill tool: the region, the cell writes
// through the undo journal and the repaint of the canvas and thumbnail images. Each round fills
// the sheet with the other entry, so every round changes all 16,384 cells.
void BM_FloodFillSheet(benchmark::State &bench)
{
    vesk4::Document doc;
    vesk4::EditorState state;
    vesk4::startDocument(doc, state);
    vesk4::CanvasRenderer renderer(state);
    vesk4::CanvasTools tools(doc, state, renderer);
    vesk4::CellChanges journal;
    tools.setJournal(&journal);
    tools.blockTools().toolButtonClicked(vesk4::ToolButtons::kFill);
    const vesk4::ToolPointer at = vesk4::toolPointer(state, 100, 100);
    state.leftPenEntry = 0; // the first round fills the empty sheet with entry 1
    for (auto _ : bench) {
        state.leftPenEntry = int16_t(1 - state.leftPenEntry);
        benchmark::DoNotOptimize(tools.current().press(at, vesk4::kLeftButton));
        if (journal.list().size() != std::size_t(vesk4::kSheetWidth) * vesk4::kSheetHeight)
            bench.SkipWithError("the fill did not reach the whole sheet");
        journal.take();
    }
}
BENCHMARK(BM_FloodFillSheet)->Unit(benchmark::kMicrosecond);

void sendToCanvas(vesk4::PictureSurface *canvas, QEvent::Type type, QPointF position)
{
    QMouseEvent event(type, position, canvas->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// One pointer move of a line drag through the window, as BM_PenMove measures the pen: the line of
// 64 cells from the view's top-left cell to a cell of its last column, shown over a repaint of the
// canvas and thumbnail images.
void BM_ShapePreview(benchmark::State &bench)
{
    benchApplication();
    vesk4::MainWindow window;
    vesk4::PictureSurface *canvas = window.canvasView()->canvas();
    window.toolPanel()->toolAction(vesk4::ToolButtons::kLine)->trigger();
    sendToCanvas(canvas, QEvent::MouseButtonPress, QPointF(5, 5));
    int row = 0;
    for (auto _ : bench) {
        row = (row + 1) % 64;
        sendToCanvas(canvas, QEvent::MouseMove, QPointF(8 * 63 + 5, 10 * row + 5));
        benchmark::DoNotOptimize(window.renderer().canvas().constBits());
    }
}
BENCHMARK(BM_ShapePreview);

} // namespace
