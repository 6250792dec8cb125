#include "cli/cli.h"
#include "files/local_names.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIODevice>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// A command's output that did not arrive (a full disk, a closed pipe) is a failed command, even
// where the command itself succeeded.
int checkedOutput(int code, QTextStream &out, QTextStream &err)
{
    errno = 0;
    out.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (out.status() != QTextStream::Ok || !flushed || std::ferror(stdout) != 0) {
        err << "vesk4: cannot write the output: "
            << (error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : out.device()->errorString())
            << Qt::endl;
        return vesk4::kExitFailure;
    }
    return code;
}

} // namespace

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
        return checkedOutput(vesk4::runCli(vesk4::commandLineArguments(argc, argv), out, err), out, err);
    }
    QCoreApplication app(argc, argv);
    // Not app.arguments(): a file name that is no UTF-8 must reach the commands as the same file.
    return checkedOutput(vesk4::runCli(vesk4::commandLineArguments(argc, argv), out, err), out, err);
}
