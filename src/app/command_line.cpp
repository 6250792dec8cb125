#include "app/command_line.h"

#include "version.h"

#include <QCommandLineParser>

namespace vesk4 {

namespace {

const QString kProgramName = QStringLiteral("vesk4-editor");

// The values --language takes, as the help lists them: the codes exactly, no locale names.
std::optional<UiLanguage> languageOption(const QString &value)
{
    if (value == QLatin1String("ja"))
        return UiLanguage::Japanese;
    if (value == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

// QCommandLineParser's usage line names the running application, which does not exist yet.
QString helpText(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + kProgramName + QStringLiteral(" [options] [FILE]")
        + text.mid(text.indexOf(QLatin1Char('\n')));
}

// Why the parsed command line cannot run the editor; empty when it can.
QString refusal(const QCommandLineParser &parser, bool parsed, const QCommandLineOption &language)
{
    if (!parsed)
        return parser.errorText();
    if (parser.positionalArguments().size() > 1)
        return QStringLiteral("Only one FILE can be opened.");
    for (const QString &value : parser.values(language))
        if (!languageOption(value))
            return QStringLiteral("The language '%1' is neither en (English) nor ja (Japanese).").arg(value);
    return {};
}

} // namespace

QString programVersion()
{
    return QString::fromLatin1(kVersion);
}

EditorCommandLine parseEditorCommandLine(const QStringList &arguments, CommandLineStep step)
{
    QCommandLineParser parser;
    // -platform, -style, -reverse ... are the toolkit's words, never runs of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("VESK4 graphics editor: draws the character images of the "
                       "VESK4 firmware and exports them for MPLAB."));
    // Not addHelpOption: its --help-all lists the toolkit's options, which this help does not describe.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Shows the editor in LANG: en (English) or ja (Japanese). Without it: the "
                       "language picked under View > Language, else the desktop's first of the two, "
                       "else Japanese."),
        QStringLiteral("LANG"));
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A project file (.egd) to open."),
                                 QStringLiteral("[FILE]"));

    EditorCommandLine result;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.action = EditorCommandLine::Action::PrintHelp;
        result.text = helpText(parser);
    } else if (parser.isSet(version)) {
        result.action = EditorCommandLine::Action::PrintVersion;
        result.text = kProgramName + QLatin1Char(' ') + programVersion() + QLatin1Char('\n');
    } else if (step == CommandLineStep::BeforeDisplay) {
        // The rest waits until the toolkit has taken its own options out.
    } else if (const QString why = refusal(parser, parsed, language); !why.isEmpty()) {
        result.action = EditorCommandLine::Action::Refuse;
        result.text = QStringLiteral("%1: %2 (try '%1 --help')\n").arg(kProgramName, why);
    } else {
        result.projectPath = parser.positionalArguments().value(0);
        if (parser.isSet(language))
            result.language = languageOption(parser.value(language));
    }
    return result;
}

} // namespace vesk4
