// The editor's command line: which arguments run the editor with or without a project, which print
// a text, and which are refused.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

using Action = EditorCommandLine::Action;

struct CommandLineCase {
    QStringList arguments; // after the program name
    Action action;
    QString projectPath;
    QString textPart; // a piece of the printed text
};

TEST(EditorCommandLineTest, ReadsTheFileHelpAndVersion)
{
    const QString usage = QStringLiteral("Usage: vesk4-editor [options] [FILE]\n");
    const QString version = QStringLiteral("vesk4-editor " VESK4_VERSION "\n");
    const CommandLineCase cases[] = {
        {{}, Action::Run, {}, {}},
        {{"a.egd"}, Action::Run, "a.egd", {}},
        {{"--", "-a.egd"}, Action::Run, "-a.egd", {}},
        {{"--help"}, Action::PrintHelp, {}, usage},
        {{"-h", "a.egd"}, Action::PrintHelp, {}, "FILE"},
        {{"--version"}, Action::PrintVersion, {}, version},
        {{"-v"}, Action::PrintVersion, {}, version},
        {{"--bogus"}, Action::Refuse, {}, "bogus"},
        {{"--help-all"}, Action::Refuse, {}, usage},
        {{"a.egd", "b.egd"}, Action::Refuse, {}, usage},
    };
    for (const CommandLineCase &c : cases) {
        const EditorCommandLine parsed
            = parseEditorCommandLine(QStringList{QStringLiteral("/usr/bin/vesk4-editor")} + c.arguments);
        const std::string args = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(parsed.action, c.action) << args;
        EXPECT_EQ(parsed.projectPath, c.projectPath) << args;
        EXPECT_TRUE(parsed.text.contains(c.textPart)) << args << ": " << parsed.text.toStdString();
    }
}

} // namespace
} // namespace vesk4
