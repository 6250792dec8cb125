#pragma once

#include "app/ui_language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vesk4 {

// What the editor's command line asks for: run (with a project to open, or none), or print a text
// and exit.
struct EditorCommandLine {
    enum class Action { Run, PrintHelp, PrintVersion, Refuse };

    Action action = Action::Run;
    QString projectPath; // the FILE argument; empty when none was given
    std::optional<UiLanguage> language; // --language; nothing when not given
    QString text; // the help or version text, or why the command line was refused
};

// The command line is read twice: once before the application object opens a display, and once
// on what is left after the toolkit took its own options (-platform, -style, ...) out.
enum class CommandLineStep {
    // Answers --help and --version only, so they work where no display can be opened; nothing is
    // refused yet, since the toolkit's options are still among the arguments.
    BeforeDisplay,
    // The whole command line, from QApplication::arguments().
    Complete,
};

// Reads the editor's arguments, the program name first as argv has it. Needs no application object.
EditorCommandLine parseEditorCommandLine(const QStringList &arguments, CommandLineStep step);

// The program's version, "major.minor", from the build.
QString programVersion();

} // namespace vesk4
