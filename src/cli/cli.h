#pragma once

#include <QStringList>
#include <QTextStream>

namespace vesk4 {

// Exit codes of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command ran and failed (unreadable project, failed write)
inline constexpr int kExitUsage = 2; // the command line itself was wrong

// Runs the tool on its arguments (without the program name); output and messages go to out and err.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace vesk4
