#include "app/editor_main.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "app/ui_language.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace vesk4 {

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Prints what the command line asked for or why it was refused; the exit status when the editor
// is to stop there.
std::optional<int> answer(const EditorCommandLine &commandLine)
{
    switch (commandLine.action) {
    case EditorCommandLine::Action::PrintHelp:
    case EditorCommandLine::Action::PrintVersion:
        print(stdout, commandLine.text);
        return 0;
    case EditorCommandLine::Action::Refuse:
        print(stderr, commandLine.text);
        return 2;
    case EditorCommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

// Whether the toolkit has somewhere to show the window; without one it aborts with a message of its
// own that does not say how to start the editor.
bool hasDisplay(const QStringList &arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const QString &argument : arguments)
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            return true;
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

} // namespace

int runEditor(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> status
        = answer(parseEditorCommandLine(arguments, CommandLineStep::BeforeDisplay)))
        return *status;

    if (!hasDisplay(arguments)) {
        print(stderr,
              QStringLiteral("vesk4-editor: there is no display to show the window on (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set). Start it from a desktop session; without one, "
                             "'vesk4' does the file work on the command line.\n"));
        return 1;
    }
    QApplication app(argc, argv); // takes the toolkit's own options out
    const EditorCommandLine commandLine = parseEditorCommandLine(app.arguments(), CommandLineStep::Complete);
    if (const std::optional<int> status = answer(commandLine))
        return *status;
    // Where QSettings keeps the recent files.
    QApplication::setOrganizationName(QStringLiteral("VESK4"));
    QApplication::setApplicationName(QStringLiteral("vesk4-editor"));
    QApplication::setApplicationVersion(programVersion());
    installTranslations(chooseLanguage(commandLine.language, pickedLanguage(), systemLanguages()));
    // The desktop finds the editor's entry and icon by its id (Wayland's app id, the taskbar's icon).
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(kAppId)));
    // Button colours show state; Fusion paints a button's palette colour on every platform.
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindow window;
    // Without its folder the editor still runs, only without recovery copies.
    if (const Status started = window.recoveryKeeper().start(RecoveryStore::defaultFolder()); !started)
        print(stderr, QStringLiteral("vesk4-editor: no recovery copies: %1\n").arg(started.failure().text()));
    window.show();
    // The edits an editor that did not close left come first; a copy of the file named is asked
    // about before the file is opened, and a restored one is not opened over.
    const bool restored = window.recoveryKeeper().offerCopies(commandLine.projectPath);
    // A file that does not open is reported over the window, which keeps the start-up document.
    if (!restored && !commandLine.projectPath.isEmpty())
        window.openNamedProject(commandLine.projectPath);
    return app.exec();
}

} // namespace vesk4
