#include "app/main_window.h"
#include "canvas/canvas_view.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// The widgets need an application; the benchmarks run without a display.
QApplication &application()
{
    static int argc = 1;
    static char name[] = "vesk4-bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// One mouse move over the canvas with the left button held, delivered as the toolkit delivers it:
// the cell write and the repaint of the canvas and thumbnail images. The flush to the screen that
// follows later is not part of it.
void BM_PenMove(benchmark::State &bench)
{
    application();
    vesk4::MainWindow window;
    vesk4::PictureSurface *canvas = window.canvasView()->canvas();
    int step = 0;
    for (auto _ : bench) {
        const QPointF position(1 + (step * 8) % 512, 1 + (step / 64 * 10) % 640);
        QMouseEvent move(QEvent::MouseMove, position, canvas->mapToGlobal(position), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        ++step;
        benchmark::DoNotOptimize(window.renderer().canvas().constBits());
    }
}
BENCHMARK(BM_PenMove);

} // namespace
