#pragma once

// What the files of the command-line tool share: the shape of a command and the helpers that report
// and parse the same way for every command.

#include "document/document.h"
#include "document/result.h"

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>
#include <optional>

namespace vesk4 {

struct CliCommand {
    const char *help;
    int fileArgs;
    QStringList valueOptions; // options followed by a value
    QStringList flagOptions;
    std::function<int(const QStringList &positional, const QStringList &options, QTextStream &out,
                      QTextStream &err)>
        run;
};

// "vesk4: WHAT: message" on err; returns kExitFailure.
int fail(QTextStream &err, const QString &what, const Failure &failure);

// "vesk4: message (try 'vesk4 --help')" on err; returns kExitUsage.
int usageError(QTextStream &err, const QString &message);

// The integer value of --name N from options, fallback without it; nothing (after a usage message)
// for a missing or out-of-range value.
std::optional<int> intOption(const QStringList &options, const QString &name, int fallback, int min, int max,
                             QTextStream &err);

// The commands of cli_include.cpp: from-inc, show and diff.
std::map<QString, CliCommand> includeCommands();

// export --check: whether the include file is byte for byte the export of doc; writes nothing.
int checkExport(const Document &doc, const QString &includePath, QTextStream &out, QTextStream &err);

} // namespace vesk4
