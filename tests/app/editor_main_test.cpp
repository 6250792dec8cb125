// The editor program as started from a shell: runEditor with a project file named on the command
// line. Each test runs the whole program, application object included, and looks at its window
// once it waits for the user; a message box on the way is read and answered.
#include "app/editor_main.h"
#include "app/main_window.h"
#include "files/project_file.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vesk4 {
namespace {

// What the running program showed.
struct Seen {
    QStringList messages;
    bool windowShown = false;
    bool startUpDocument = false;
    Document document;
    QString caption;
};

std::function<void()> startHook;

// Runs in the application object's constructor, before the program creates its window.
void callStartHook()
{
    if (startHook)
        startHook();
}

class EditorMainTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qAddPreRoutine(callStartHook); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The program keeps recent files in QSettings: here in the scratch folder.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    void TearDown() override { startHook = nullptr; }

    // Runs the program with these arguments; answers each message box and closes the window as soon
    // as it waits for the user.
    Seen run(const QStringList &arguments)
    {
        Seen seen;
        startHook = [&seen] {
            auto *watch = new QTimer(qApp);
            QObject::connect(watch, &QTimer::timeout, watch, [&seen, watch] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    seen.messages << box->text();
                    box->accept();
                    return;
                }
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    auto *window = qobject_cast<MainWindow *>(widget);
                    if (!window || !window->isVisible())
                        continue;
                    watch->stop();
                    seen.windowShown = true;
                    seen.document = window->document();
                    seen.startUpDocument = window->document() == MainWindow().document();
                    seen.caption = window->windowTitle();
                    window->close();
                }
            });
            watch->start(0);
        };
        QList<QByteArray> bytes{"vesk4-editor"};
        for (const QString &argument : arguments)
            bytes << argument.toLocal8Bit();
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        EXPECT_EQ(runEditor(int(bytes.size()), argv.data()), 0);
        return seen;
    }

    QTemporaryDir dir;
};

TEST_F(EditorMainTest, OpensTheProjectNamedOnTheCommandLine)
{
    Document doc;
    doc.FileVer = 0;
    doc.ChrName.fill(QStringLiteral("x"));
    doc.ChrName[0] = QStringLiteral("FromShell");
    doc.ChrSizeX.fill(8);
    doc.ChrSizeY.fill(16);
    doc.ColorMode.fill(3);
    doc.PixelData(0, 5, 7) = 1;
    const QString path = dir.filePath(QStringLiteral("shell.egd"));
    ASSERT_TRUE(saveProject(doc, path));

    // The toolkit takes its own options; the file is the editor's.
    const Seen seen = run({QStringLiteral("-platform"), QStringLiteral("offscreen"), path});
    EXPECT_TRUE(seen.messages.isEmpty()) << seen.messages.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(seen.windowShown);
    EXPECT_EQ(seen.document.ChrName[0], QStringLiteral("FromShell"));
    EXPECT_EQ(seen.document.ChrSizeY[0], 16);
    EXPECT_EQ(seen.document.PixelData(0, 5, 7), 1);
    EXPECT_EQ(seen.document.projectFileName, QStringLiteral("shell.egd"));
    EXPECT_TRUE(seen.caption.startsWith(QStringLiteral("shell.egd[*] - "))) << seen.caption.toStdString();
}

TEST_F(EditorMainTest, ADamagedProjectIsReportedAndTheStartUpDocumentStays)
{
    const QString path = dir.filePath(QStringLiteral("damaged.egd"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 0 \r\n 0  0  zz \r\n");
    file.close();

    const Seen seen = run({path});
    ASSERT_EQ(seen.messages.size(), 1);
    EXPECT_TRUE(seen.messages[0].contains(QStringLiteral("ファイルを開けませんでした。")));
    EXPECT_TRUE(seen.messages[0].contains(QStringLiteral("line 2"))) << seen.messages[0].toStdString();
    ASSERT_TRUE(seen.windowShown);
    EXPECT_TRUE(seen.startUpDocument);
    EXPECT_EQ(seen.caption,
              QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）") + QStringLiteral("[*]"));
}

} // namespace
} // namespace vesk4
