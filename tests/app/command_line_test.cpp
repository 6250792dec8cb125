// The editor's command line: which arguments run the editor with or without a project, which print
// a text, and which are refused.
#include "app/command_line.h"
#include "version.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

using Action = EditorCommandLine::Action;

struct CommandLineCase {
    QStringList arguments; // after the program name
    Action beforeDisplay; // the first reading, with the toolkit's options still among the arguments
    Action complete; // the reading of what the toolkit left
    QString projectPath;
    QString textPart; // a piece of the printed text
};

TEST(EditorCommandLineTest, ReadsTheFileHelpAndVersion)
{
    const QString usage = QStringLiteral("Usage: vesk4-editor [options] [FILE]\n");
    const QString version = QStringLiteral("vesk4-editor %1\n").arg(QLatin1String(kVersion));
    const QString tryHelp = QStringLiteral("(try 'vesk4-editor --help')");
    const CommandLineCase cases[] = {
        {{}, Action::Run, Action::Run, {}, {}},
        {{"a.egd"}, Action::Run, Action::Run, "a.egd", {}},
        {{"--", "-a.egd"}, Action::Run, Action::Run, "-a.egd", {}},
        {{"-h", "a.egd"}, Action::PrintHelp, Action::PrintHelp, {}, "FILE"},
        {{"-platform", "offscreen", "--help"}, Action::PrintHelp, Action::PrintHelp, {}, usage},
        {{"-v"}, Action::PrintVersion, Action::PrintVersion, {}, version},
        // The toolkit's words hold the letters of -h and -v; they are not those options.
        {{"-stylesheet", "s.qss", "-reverse"}, Action::Run, Action::Refuse, {}, "stylesheet"},
        {{"--bogus"}, Action::Run, Action::Refuse, {}, "Unknown option 'bogus'"},
        {{"--help-all"}, Action::Run, Action::Refuse, {}, tryHelp},
        {{"a.egd", "b.egd"}, Action::Run, Action::Refuse, {}, tryHelp},
    };
    for (const CommandLineCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const QStringList arguments = QStringList{QStringLiteral("/usr/bin/vesk4-editor")} + c.arguments;
        EXPECT_EQ(parseEditorCommandLine(arguments, CommandLineStep::BeforeDisplay).action, c.beforeDisplay);
        const EditorCommandLine parsed = parseEditorCommandLine(arguments, CommandLineStep::Complete);
        EXPECT_EQ(parsed.action, c.complete);
        EXPECT_EQ(parsed.projectPath, c.projectPath);
        EXPECT_TRUE(parsed.text.contains(c.textPart)) << parsed.text.toStdString();
    }
}

} // namespace
} // namespace vesk4
