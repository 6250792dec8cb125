// The editor program as started from a shell, with a project file named on the command line: the
// whole program runs, application object included, and its window is looked at once it waits for
// the user; a message box on the way is read and answered.
#include "app/editor_main.h"
#include "app/main_window.h"
#include "app/ui_language.h"
#include "document/page_state.h"
#include "files/project_file.h"
#include "files/recovery_store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

// What the running program showed: each message, with the window's caption at the time.
QStringList seenMessages;
QStringList captionsAtMessages;
QString seenCaption;

QString windowCaption()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<MainWindow *>(widget))
            return window->windowTitle();
    return {};
}

// Runs in the application object's constructor, before the program makes its window.
void watchTheProgram()
{
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, watch, [watch] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seenMessages << box->text();
            captionsAtMessages << windowCaption();
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

// Runs the program on the arguments after its name, watched; the exit status.
int runWatched(QList<QByteArray> arguments)
{
    // Every application object the program makes runs the routine: add it once.
    static const bool watching = (qAddPreRoutine(watchTheProgram), true);
    Q_UNUSED(watching);
    seenMessages.clear();
    captionsAtMessages.clear();
    arguments.prepend("vesk4-editor");
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return runEditor(int(arguments.size()), argv.data());
}

// The toolkit takes its own options and the file is the editor's. A file that does not read is
// reported over the window, which keeps the start-up document and so names no file.
TEST(EditorMainTest, ADamagedProjectNamedOnTheCommandLineIsReportedOverTheStartUpDocument)
{
    QTemporaryDir dir;
    // The program keeps recent files in QSettings: here in the scratch folder.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    // And its recovery copies in the scratch folder too.
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    QFile file(dir.filePath(QStringLiteral("damaged.egd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 0 \r\n 0  0  zz \r\n");
    file.close();

    EXPECT_EQ(runWatched({"-platform", "offscreen", file.fileName().toLocal8Bit()}), 0);
    ASSERT_EQ(seenMessages.size(), 1);
    // The line in the language the system's locale chose: Japanese for a C locale, else English.
    EXPECT_TRUE(seenMessages[0].contains(QStringLiteral("\n2 行目: "))
                || seenMessages[0].contains(QStringLiteral("\nline 2: ")))
        << seenMessages[0].toStdString();
    EXPECT_EQ(seenCaption, QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）[*]"));
}

// A recovery copy of the file named on the command line is asked about before the file opens; the
// box closed without an answer keeps the copy, and the file then opens.
TEST(EditorMainTest, ARecoveryCopyOfTheFileNamedIsAskedAboutBeforeItOpens)
{
    QTemporaryDir dir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    Document doc;
    EditorState state;
    startDocument(doc, state);
    const QString project = dir.filePath(QStringLiteral("walk.egd"));
    ASSERT_TRUE(saveProject(doc, project));
    const QString folder = dir.filePath(QStringLiteral("VESK4/vesk4-editor/recovery"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile saved(project);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString copy = folder + QStringLiteral("/left.recovery");
    ASSERT_TRUE(RecoveryStore::writeCopy(copy, saved.readAll(), project));

    EXPECT_EQ(runWatched({"-platform", "offscreen", project.toLocal8Bit()}), 0);
    ASSERT_EQ(seenMessages.size(), 1);
    EXPECT_TRUE(seenMessages[0].contains(QStringLiteral("walk.egd"))) << seenMessages[0].toStdString();
    EXPECT_FALSE(captionsAtMessages[0].startsWith(QStringLiteral("walk.egd"))) << "asked after opening";
    EXPECT_TRUE(seenCaption.startsWith(QStringLiteral("walk.egd"))) << seenCaption.toStdString();
    EXPECT_TRUE(QFile::exists(copy));
}

// --language wins over the language picked in the menu; a language the editor does not speak is
// refused before any window shows.
TEST(EditorMainTest, StartsInTheLanguageOfTheCommandLine)
{
    QTemporaryDir dir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VESK4"),
              QStringLiteral("vesk4-editor"))
        .setValue(QStringLiteral("language"), QStringLiteral("ja"));
    seenCaption.clear();
    EXPECT_EQ(runWatched({"-platform", "offscreen", "--language", "en"}), 0);
    EXPECT_FALSE(seenCaption.isEmpty());
    EXPECT_EQ(installedLanguage(), UiLanguage::English);

    seenCaption.clear();
    EXPECT_EQ(runWatched({"-platform", "offscreen", "--language", "fr"}), 2);
    EXPECT_TRUE(seenCaption.isEmpty());
    EXPECT_EQ(installedLanguage(), UiLanguage::English);

    EXPECT_EQ(runWatched({"-platform", "offscreen"}), 0);
    EXPECT_EQ(installedLanguage(), UiLanguage::Japanese);
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
