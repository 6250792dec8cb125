// The editor program as started from a shell, with a project file named on the command line: the
// whole program runs, application object included, and its window is looked at once it waits for
// the user; a message box on the way is read and answered.
#include "app/editor_main.h"
#include "app/main_window.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

// What the running program showed.
QStringList seenMessages;
QString seenCaption;

// Runs in the application object's constructor, before the program makes its window.
void watchTheProgram()
{
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, watch, [watch] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seenMessages << box->text();
            box->accept();
            return;
        }
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<MainWindow *>(widget);
            if (!window || !window->isVisible())
                continue;
            watch->stop();
            seenCaption = window->windowTitle();
            window->close();
        }
    });
    watch->start(0);
}

// The toolkit takes its own options and the file is the editor's. A file that does not read is
// reported over the window, which keeps the start-up document and so names no file.
TEST(EditorMainTest, ADamagedProjectNamedOnTheCommandLineIsReportedOverTheStartUpDocument)
{
    QTemporaryDir dir;
    // The program keeps recent files in QSettings: here in the scratch folder.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QFile file(dir.filePath(QStringLiteral("damaged.egd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 0 \r\n 0  0  zz \r\n");
    file.close();

    qAddPreRoutine(watchTheProgram);
    QByteArray arguments[] = {"vesk4-editor", "-platform", "offscreen", file.fileName().toLocal8Bit()};
    char *argv[]
        = {arguments[0].data(), arguments[1].data(), arguments[2].data(), arguments[3].data(), nullptr};
    EXPECT_EQ(runEditor(4, argv), 0);
    ASSERT_EQ(seenMessages.size(), 1);
    // The line in the language the system's locale chose: Japanese for a C locale, else English.
    EXPECT_TRUE(seenMessages[0].contains(QStringLiteral("\n2 行目: "))
                || seenMessages[0].contains(QStringLiteral("\nline 2: ")))
        << seenMessages[0].toStdString();
    EXPECT_EQ(seenCaption, QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）[*]"));
}

// Without a display the editor says so and exits 1, where the toolkit would abort.
TEST(EditorMainTest, WithoutADisplaySaysSoAndExits1)
{
    const char *const variables[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    QList<QByteArray> kept;
    for (const char *name : variables) {
        kept << qgetenv(name);
        qunsetenv(name);
    }
    QByteArray program = "vesk4-editor";
    char *argv[] = {program.data(), nullptr};
    EXPECT_EQ(runEditor(1, argv), 1);
    for (int i = 0; i < 3; ++i)
        if (!kept[i].isEmpty())
            qputenv(variables[i], kept[i]);
}

} // namespace
} // namespace vesk4
