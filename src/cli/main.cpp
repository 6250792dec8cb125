#include "cli/cli.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = vesk4::runCli(app.arguments().mid(1), out, err);
    // A command's output that did not arrive (a full disk, a closed pipe) is a failed command, even
    // where the command itself succeeded.
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
