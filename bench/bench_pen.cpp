#include "app/main_window.h"
#include "bench_application.h"
#include "canvas/canvas_view.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// One mouse move over the canvas with the left button held, delivered as the toolkit delivers it:
// the cell write and the repaint of the canvas and thumbnail images. The flush to the screen that
// follows later is not part of it.
void BM_PenMove(benchmark::State &bench)
{
    benchApplication();
    vesk4::MainWindow window;
    int step = 0;
    for (auto _ : bench) {
        movePenOver(window, step++);
        benchmark::DoNotOptimize(window.renderer().canvas().constBits());
    }
}
BENCHMARK(BM_PenMove);

void sendToCanvas(vesk4::PictureSurface *canvas, QEvent::Type type, QPointF position, Qt::MouseButtons held)
{
    QMouseEvent event(type, position, canvas->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Undo and redo of a 200-cell pen stroke, each with the repaint of the canvas and thumbnail.
void BM_UndoStroke(benchmark::State &bench)
{
    benchApplication();
    vesk4::MainWindow window;
    vesk4::PictureSurface *canvas = window.canvasView()->canvas();
    sendToCanvas(canvas, QEvent::MouseButtonPress, QPointF(6, 6), Qt::LeftButton);
    for (int i = 0; i < 200; ++i) // cells (i mod 64, i / 64 * 2), all distinct
        sendToCanvas(canvas, QEvent::MouseMove, QPointF(6 + (i % 64) * 8, 6 + (i / 64) * 20), Qt::LeftButton);
    sendToCanvas(canvas, QEvent::MouseButtonRelease, QPointF(6, 6), Qt::NoButton);
    if (window.undoStack().count() != 1)
        bench.SkipWithError("the stroke did not become one step");
    for (auto _ : bench) {
        window.undo();
        window.redo();
        benchmark::DoNotOptimize(window.renderer().canvas().constBits());
    }
}
BENCHMARK(BM_UndoStroke);

} // namespace
