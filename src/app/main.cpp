#include "app/command_line.h"
#include "app/main_window.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char **argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    {
        // --help and --version answer before QApplication, which needs a display.
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (const std::optional<int> status = vesk4::answerBeforeDisplay(arguments, out))
            return *status;
    }

    QApplication app(argc, argv); // takes Qt's own options out of argv
    if (const vesk4::EditorCommandLine line = vesk4::readEditorCommandLine(app.arguments(), out, err);
        line.exitStatus)
        return *line.exitStatus;

    // The desktop finds the editor's entry and icon by its id (Wayland's app id, the taskbar's icon).
    QGuiApplication::setDesktopFileName(QLatin1String(vesk4::kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(vesk4::kAppId)));
    // Button colours show state; Fusion paints a button's palette colour on every platform.
    QApplication::setStyle(QStringLiteral("Fusion"));
    vesk4::MainWindow window;
    window.show();
    return app.exec();
}
