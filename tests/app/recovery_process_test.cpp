// The editor as a separate process on a scratch data and settings folder: it opens a project, a
// scripted user draws on its canvas, and once its recovery copy is on disk it is killed (SIGKILL).
// The next start, here in the test's own process over the same folder, offers the copy: restored
// and saved, the file is the one a save before the kill wrote; discarded, nothing is asked again.
// While the killed editor still ran, its copy was not offered.
#include "app/recovery_keeper.h"
#include "document/page_state.h"
#include "shown_window.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <functional>

namespace vesk4 {
namespace {

class RecoveryProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Where the editor's QSettings reads its interval: short, so the copy comes at once.
        const QString settingsFolder = dir.filePath(QStringLiteral("config/VESK4"));
        ASSERT_TRUE(QDir().mkpath(settingsFolder));
        QFile settings(settingsFolder + QStringLiteral("/vesk4-editor.conf"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[recovery]\nintervalSeconds=0.2\n");
        settings.close();

        Document doc;
        EditorState state;
        startDocument(doc, state);
        doc.PixelData(0, 0, 0) = 1;
        doc.pages[0].name = QStringLiteral("walk");
        ASSERT_TRUE(saveProject(doc, project));
        original = readFile(project);
    }
    ~RecoveryProcessTest() override
    {
        if (editor.state() != QProcess::NotRunning) {
            editor.kill();
            editor.waitForFinished();
        }
    }

    // The copies in the folder QStandardPaths gives the editor under the scratch XDG_DATA_HOME.
    QString folder() const { return dir.filePath(QStringLiteral("data/VESK4/vesk4-editor/recovery")); }
    QStringList copies() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    static bool waitFor(const std::function<bool()> &condition)
    {
        QDeadlineTimer deadline(30000);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    // Starts the editor on the project and waits until it has drawn and its copy is on disk.
    void startEditorAndDraw()
    {
        QFile::remove(reference);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("VESK4_TEST_REFERENCE"), reference);
        editor.setProcessEnvironment(environment);
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QStringLiteral(VESK4_RECOVERY_TEST_EDITOR), {project});
        ASSERT_TRUE(editor.waitForStarted());
        ASSERT_TRUE(waitFor([this] { return QFileInfo::exists(reference) && copies().size() == 1; }))
            << "no recovery copy; copies: " << copies().join(QLatin1Char(' ')).toStdString();
        ASSERT_NE(readFile(reference), original) << "the editor drew nothing";
    }

    void killEditor()
    {
        editor.kill(); // SIGKILL
        ASSERT_TRUE(editor.waitForFinished());
        EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);
    }

    // A window starting over the editor's recovery folder, as the next start would.
    std::unique_ptr<MainWindow> startWindow()
    {
        auto window = std::make_unique<MainWindow>();
        window->setMessageBoxes(&messages);
        EXPECT_TRUE(window->recoveryKeeper().start(folder()));
        window->show();
        return window;
    }

    QTemporaryDir dir;
    QString project = dir.filePath(QStringLiteral("walk.egd"));
    QString reference = dir.filePath(QStringLiteral("reference.egd"));
    QByteArray original;
    QProcess editor;
    ScriptedMessages messages;
};

TEST_F(RecoveryProcessTest, AKilledEditorsEditsAreRestoredAndSavedWhereTheyBelong)
{
    startEditorAndDraw();

    // Two editors at once: the running one's copy is not offered (an unscripted question fails).
    std::unique_ptr<MainWindow> second = startWindow();
    EXPECT_FALSE(second->recoveryKeeper().offerCopies());
    EXPECT_TRUE(messages.askedToRestore.empty());

    killEditor();
    ASSERT_EQ(copies().size(), 1U) << "the copy outlives its editor";
    std::unique_ptr<MainWindow> next = startWindow();
    messages.restoreChoices = {RestoreChoice::Restore};
    ASSERT_TRUE(next->recoveryKeeper().offerCopies(project));
    ASSERT_EQ(messages.askedToRestore.size(), 1U);
    EXPECT_EQ(messages.askedToRestore[0].caption, QStringLiteral("復元"));
    EXPECT_EQ(messages.askedToRestore[0].text,
              QStringLiteral("前回終了しなかった編集（walk.egd）の復元データがあります。復元しますか？"));
    EXPECT_TRUE(next->isWindowModified());
    EXPECT_EQ(next->currentFilePath(), QFileInfo(project).absoluteFilePath());
    EXPECT_EQ(readFile(project), original) << "restoring writes nothing";
    // The copy is the new window's own now, written before the old one went.
    EXPECT_EQ(copies(), QStringList{QFileInfo(next->recoveryKeeper().ownCopyPath()).fileName()});

    next->mainMenu()->action(MainMenu::Save)->trigger();
    EXPECT_EQ(readFile(project), readFile(reference));
    EXPECT_FALSE(next->isWindowModified());
    next->recoveryKeeper().finishWriting();
    EXPECT_EQ(copies(), QStringList());
}

TEST_F(RecoveryProcessTest, ACopyKeptForLaterIsAskedAgainAndADiscardedOneIsNot)
{
    startEditorAndDraw();
    killEditor();

    messages.restoreChoices = {RestoreChoice::Later};
    EXPECT_FALSE(startWindow()->recoveryKeeper().offerCopies());
    EXPECT_EQ(copies().size(), 1U);

    messages.restoreChoices = {RestoreChoice::Discard};
    std::unique_ptr<MainWindow> discarding = startWindow();
    EXPECT_FALSE(discarding->recoveryKeeper().offerCopies());
    EXPECT_EQ(messages.askedToRestore.size(), 2U);
    EXPECT_EQ(copies(), QStringList());
    EXPECT_FALSE(discarding->isDocumentModified());
    EXPECT_EQ(readFile(project), original);

    // The next start asks nothing: an unscripted question would fail the test.
    EXPECT_FALSE(startWindow()->recoveryKeeper().offerCopies());
    EXPECT_EQ(messages.askedToRestore.size(), 2U);
}

} // namespace
} // namespace vesk4
