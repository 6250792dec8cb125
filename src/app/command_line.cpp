#include "app/command_line.h"

#include "version.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace vesk4 {

namespace {

const char *const kProgram = "vesk4-editor";

// The options and their texts; --help prints them, and the manual page vesk4-editor(1) is made
// from that output at build time.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the version and exit.")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Draws the monochrome character images (patterns) of the VESK4 device's firmware cell by\n"
            "cell, keeps them in project files (.egd) and exports them as MPLAB assembler include\n"
            "files (.inc). Open and Save start in the subfolder egd/ of the folder the editor was\n"
            "started in, the include export in inc/ (the folder itself when the subfolder is\n"
            "missing). The command-line tool vesk4 does the same work without a window."));
        parser.addOption(help);
        parser.addOption(version);
        // The desktop entry passes the file it was opened with; the editor does not read it yet.
        // Until it does, a file argument is let through so that starting from a file still opens
        // the editor.
    }

    // QCommandLineParser names the program as the running QCoreApplication was started (or
    // "<executable_name>" without one); the help always names it as it is installed.
    QString helpText() const
    {
        return parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                         QStringLiteral("Usage: %1").arg(QLatin1String(kProgram)));
    }

    // Answers --help or --version, if asked.
    std::optional<int> answer(QTextStream &out) const
    {
        if (parser.isSet(help)) {
            out << helpText();
            return 0;
        }
        if (parser.isSet(version)) {
            out << kProgram << ' ' << kVersion << '\n';
            return 0;
        }
        return std::nullopt;
    }
};

} // namespace

std::optional<int> answerBeforeDisplay(const QStringList &arguments, QTextStream &out)
{
    Parser p;
    p.parser.parse(arguments); // an unknown option may be one of Qt's: judged after QApplication
    return p.answer(out);
}

EditorCommandLine readEditorCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Parser p;
    if (!p.parser.parse(arguments)) {
        QString message = p.parser.errorText(); // "Unknown option 'x'."
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1);
        err << kProgram << ": " << message << " (try '" << kProgram << " --help')\n";
        return {2};
    }
    EditorCommandLine line;
    line.exitStatus = p.answer(out);
    return line;
}

} // namespace vesk4
