#pragma once

#include <QApplication>

// The widgets need an application, one for the whole program; the benchmarks run without a display.
inline QApplication &benchApplication()
{
    static int argc = 1;
    static char name[] = "vesk4-bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
