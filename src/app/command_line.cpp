#include "app/command_line.h"

#include "version.h"

#include <QCommandLineParser>

namespace vesk4 {

namespace {

const QString kProgramName = QStringLiteral("vesk4-editor");

// QCommandLineParser's usage line names the running application, which does not exist yet.
QString helpText(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + kProgramName + QStringLiteral(" [options] [FILE]")
        + text.mid(text.indexOf(QLatin1Char('\n')));
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
    } else if (!parsed || parser.positionalArguments().size() > 1) {
        result.action = EditorCommandLine::Action::Refuse;
        const QString why = parsed ? QStringLiteral("Only one FILE can be opened.") : parser.errorText();
        result.text = QStringLiteral("%1: %2 (try '%1 --help')\n").arg(kProgramName, why);
    } else {
        result.projectPath = parser.positionalArguments().value(0);
    }
    return result;
}

} // namespace vesk4
