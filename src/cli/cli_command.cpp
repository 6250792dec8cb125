#include "cli/cli_command.h"

#include "cli/cli.h"
#include "document/page_state.h"
#include "files/local_names.h"
#include "files/project_file.h"

#include <QFile>

#include <sys/stat.h>

namespace vesk4 {

int fail(QTextStream &err, const QString &what, const Failure &failure)
{
    err << "vesk4: " << givenName(what) << ": " << failure.text() << Qt::endl;
    return kExitFailure;
}

int usageError(QTextStream &err, const QString &message)
{
    err << "vesk4: " << message << " (try 'vesk4 --help')" << Qt::endl;
    return kExitUsage;
}

bool refusesOutputOverInput(QTextStream &err, const QString &output, const QStringList &inputs)
{
    struct stat out { };
    if (::stat(QFile::encodeName(output).constData(), &out) != 0)
        return false; // a new file is no input
    for (const QString &input : inputs) {
        struct stat in { };
        if (::stat(QFile::encodeName(input).constData(), &in) == 0 && in.st_dev == out.st_dev
            && in.st_ino == out.st_ino) {
            fail(err, output,
                 Failure{QStringLiteral("This is the input file %1; it was not overwritten.")
                             .arg(givenName(input))});
            return true;
        }
    }
    return false;
}

Status openInto(const QString &path, Opened &opened)
{
    startDocument(opened.doc, opened.state);
    return openProject(path, opened.doc, opened.state);
}

std::optional<int> intOption(const QStringList &options, const QString &name, int fallback, int min, int max,
                             QTextStream &err)
{
    const qsizetype at = options.indexOf(name);
    if (at < 0)
        return fallback;
    bool ok = false;
    const int value = at + 1 < options.size() ? options[at + 1].toInt(&ok) : 0;
    if (!ok || value < min || value > max) {
        usageError(err, QStringLiteral("%1 takes a number from %2 to %3").arg(name).arg(min).arg(max));
        return std::nullopt;
    }
    return value;
}

} // namespace vesk4
