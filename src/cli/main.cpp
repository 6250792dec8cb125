#include "cli/cli.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Drawing glyphs needs Qt's font engine, which comes with the graphical application; on the
    // offscreen platform it needs no display. Every other command stays without one.
    if (argc > 1 && std::strcmp(argv[1], "glyphs") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return vesk4::runCli(app.arguments().mid(1), out, err);
    }
    QCoreApplication app(argc, argv);
    return vesk4::runCli(app.arguments().mid(1), out, err);
}
