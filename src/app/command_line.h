#pragma once

#include <QString>
#include <QStringList>

namespace vesk4 {

// What the editor's command line asks for: run (with a project to open, or none), or print a text
// and exit.
struct EditorCommandLine {
    enum class Action { Run, PrintHelp, PrintVersion, Refuse };

    Action action = Action::Run;
    QString projectPath; // the FILE argument; empty when none was given
    QString text; // the help or version text, or why the command line was refused, with the usage
};

// Reads the editor's arguments (the program name first, as argv has them). Needs no application
// object, so --help and --version work where no display can be opened.
EditorCommandLine parseEditorCommandLine(const QStringList &arguments);

// The program's version, "major.minor", from the build.
QString programVersion();

} // namespace vesk4
