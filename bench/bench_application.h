#pragma once

#include <QApplication>

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
