#pragma once

#include "app/main_window.h"
#include "canvas/canvas_view.h"

#include <QApplication>
#include <QMouseEvent>

// The widgets need an application, one for the whole program; the benchmarks run without a display.
// It is never destroyed: destroyed with the other statics at exit, after parts of Qt it still uses,
// it crashed the program once every benchmark had run.
inline QApplication &benchApplication()
{
    static int argc = 1;
    static char name[] = "vesk4-bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto *app = new QApplication(argc, argv);
    return *app;
}

// One mouse move over the window's canvas with the left button held, delivered as the toolkit
// delivers it; step walks the pointer over the canvas in 8-pixel strides, row after row.
inline void movePenOver(vesk4::MainWindow &window, int step)
{
    vesk4::PictureSurface *canvas = window.canvasView()->canvas();
    const QPointF position(1 + (step * 8) % 512, 1 + (step / 64 * 10) % 640);
    QMouseEvent move(QEvent::MouseMove, position, canvas->mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}
