#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace vesk4 {

// What the editor's command line asks for, once it has been read.
struct EditorCommandLine {
    // Set when the editor is to stop at once with this exit status (0 after --help and --version,
    // 2 after a wrong command line); the text has been written.
    std::optional<int> exitStatus;
};

// The editor reads its command line in two steps, both over the one parser in command_line.cpp,
// whose option texts are the --help text and, through help2man, the manual page.
//
// First, before QApplication opens a display: answers --help and --version, so they work without
// one. Qt's own options (-platform, -style, ...) are still among the arguments, so nothing else is
// an error yet. Returns the exit status when the editor is to stop.
std::optional<int> answerBeforeDisplay(const QStringList &arguments, QTextStream &out);

// Then, on QApplication::arguments(), from which Qt has taken its own options: the whole command
// line. A wrong one gives a one-line message on err and exit status 2.
EditorCommandLine readEditorCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace vesk4
