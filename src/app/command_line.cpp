#include "app/command_line.h"

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
    return QStringLiteral(VESK4_VERSION);
}

EditorCommandLine parseEditorCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("VESK4 graphics editor: draws the character images of the "
                       "VESK4 firmware and exports them for MPLAB."));
    // Not addHelpOption: its --help-all lists the toolkit's options, which this parser does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A project file (.egd) to open."),
                                 QStringLiteral("[FILE]"));

    EditorCommandLine result;
    if (!parser.parse(arguments)) {
        result.action = EditorCommandLine::Action::Refuse;
        result.text = parser.errorText() + QLatin1Char('\n') + helpText(parser);
    } else if (parser.isSet(help)) {
        result.action = EditorCommandLine::Action::PrintHelp;
        result.text = helpText(parser);
    } else if (parser.isSet(version)) {
        result.action = EditorCommandLine::Action::PrintVersion;
        result.text = kProgramName + QLatin1Char(' ') + programVersion() + QLatin1Char('\n');
    } else if (parser.positionalArguments().size() > 1) {
        result.action = EditorCommandLine::Action::Refuse;
        result.text = QStringLiteral("Only one FILE can be opened.\n") + helpText(parser);
    } else {
        result.projectPath = parser.positionalArguments().value(0);
    }
    return result;
}

} // namespace vesk4
