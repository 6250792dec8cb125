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

// --language takes en or ja, nothing else, and leaves the language unset when absent.
TEST(EditorCommandLineTest, ReadsTheLanguage)
{
    const QString tryHelp = QStringLiteral("(try 'vesk4-editor --help')\n");
    const struct {
        QStringList arguments;
        std::optional<UiLanguage> language; // when the editor runs
        QString refusal; // why not, when it does not
    } cases[] = {
        {{}, std::nullopt, {}},
        {{"--language", "en"}, UiLanguage::English, {}},
        {{"--language=ja", "a.egd"}, UiLanguage::Japanese, {}},
        {{"-language", "en"}, UiLanguage::English, {}},
        {{"--language", "ja", "--language", "en"}, UiLanguage::English, {}},
        {{"--language", "fr"},
         {},
         "vesk4-editor: The language 'fr' is neither en (English) nor ja (Japanese). "},
        {{"--language", "ja_JP"}, {}, "The language 'ja_JP' is neither"},
        {{"--language", "EN"}, {}, "The language 'EN' is neither"},
        {{"--language", ""}, {}, "The language '' is neither"},
        {{"--language", "fr", "--language", "en"}, {}, "The language 'fr' is neither"},
        {{"--language"}, {}, "Missing value after '--language'"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const QStringList arguments = QStringList{QStringLiteral("vesk4-editor")} + c.arguments;
        const EditorCommandLine parsed = parseEditorCommandLine(arguments, CommandLineStep::Complete);
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(parsed.action, Action::Run);
            EXPECT_EQ(parsed.language, c.language);
        } else {
            EXPECT_EQ(parsed.action, Action::Refuse);
            EXPECT_TRUE(parsed.text.contains(c.refusal)) << parsed.text.toStdString();
            EXPECT_TRUE(parsed.text.endsWith(tryHelp)) << parsed.text.toStdString();
        }
    }
    // The help lists the option and its two values.
    const QString help = parseEditorCommandLine({QStringLiteral("vesk4-editor"), QStringLiteral("--help")},
                                                CommandLineStep::Complete)
                             .text;
    EXPECT_TRUE(help.contains(QStringLiteral("--language <LANG>"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("en (English) or ja (Japanese)"))) << help.toStdString();
}

} // namespace
} // namespace vesk4
