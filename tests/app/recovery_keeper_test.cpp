// The window's recovery copy: written a moment after a change, never during a stroke, removed by a
// save, a discard, another project and a clean exit; and at start-up the copies left behind are
// offered (the file named first) or reported when damaged. Restoring, discarding and keeping for
// later are tried on a killed editor's copy (recovery_process_test.cpp).
#include "app/recovery_keeper.h"
#include "document/page_state.h"
#include "shown_window.h"

#include <QBuffer>
#include <QFileInfo>

namespace vesk4 {
namespace {

class RecoveryKeeperTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        ASSERT_TRUE(keeper.start(folder()));
        keeper.setIntervalMilliseconds(kInterval);
    }

    QString folder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList copies() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.recovery*")}, QDir::Files, QDir::Name);
    }
    // Lets the interval pass, and waits for the writer.
    void waitPastInterval()
    {
        QTest::qWait(kInterval * 3);
        keeper.finishWriting();
    }
    // A copy left by an editor that is gone: a copy without a lock.
    void leaveCopy(const QString &name, const Document &content, const QString &projectPath) const
    {
        ASSERT_TRUE(RecoveryStore::writeCopy(QDir(folder()).filePath(name + QStringLiteral(".recovery")),
                                             projectFileText(content).value(), projectPath));
    }

    static constexpr int kInterval = 40;
    RecoveryKeeper &keeper = window.recoveryKeeper();
};

TEST_F(RecoveryKeeperTest, AChangeIsInTheCopyOnceTheIntervalPassedAndASaveRemovesIt)
{
    clickCell(2, 3);
    EXPECT_FALSE(QFileInfo::exists(keeper.ownCopyPath())) << "written at once";
    waitPastInterval();
    Expected<RecoveredProject> copy = RecoveryStore::readCopy(keeper.ownCopyPath());
    ASSERT_TRUE(copy) << "no copy after the interval";
    EXPECT_EQ(copy.value().projectBytes, projectFileText(doc).value());
    EXPECT_EQ(copy.value().content.pixels[3 * kSheetWidth + 2], 1);
    EXPECT_TRUE(copy.value().projectPath.isEmpty());

    // A later change renews it, with the file the document has by then.
    const QString path = dir.filePath(QStringLiteral("walk.egd"));
    ASSERT_TRUE(window.saveProjectFile(path));
    keeper.finishWriting();
    EXPECT_EQ(copies(), QStringList()) << "a save leaves nothing to recover";
    clickCell(4, 3);
    waitPastInterval();
    copy = RecoveryStore::readCopy(keeper.ownCopyPath());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy.value().projectPath, path);
    EXPECT_EQ(copy.value().content.pixels[3 * kSheetWidth + 4], 1);

    // Undone back to the saved state, there is nothing to recover either.
    window.undo();
    keeper.finishWriting();
    EXPECT_EQ(copies(), QStringList());
}

// Drawing is never held up by the copy: while the pen is down it waits, and the release writes it.
TEST_F(RecoveryKeeperTest, NoCopyIsWrittenWhileAStrokeIsInProgress)
{
    clickCell(0, 0);
    press(Qt::LeftButton, cellCentre({2, 2}));
    moveOnCanvas(cellCentre({6, 2}), Qt::LeftButton);
    waitPastInterval();
    EXPECT_FALSE(QFileInfo::exists(keeper.ownCopyPath()));
    release(Qt::LeftButton, cellCentre({6, 2}));
    keeper.finishWriting();
    Expected<RecoveredProject> copy = RecoveryStore::readCopy(keeper.ownCopyPath());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy.value().projectBytes, projectFileText(doc).value());
    EXPECT_EQ(copy.value().content.pixels[2 * kSheetWidth + 6], 1);
}

TEST_F(RecoveryKeeperTest, DiscardingOpeningAnotherProjectAndACleanExitRemoveTheCopy)
{
    const QString other = dir.filePath(QStringLiteral("other.egd"));
    ASSERT_TRUE(saveProject(doc, other));
    const struct {
        const char *what;
        std::function<void()> act;
    } cases[] = {
        {"a new document, the changes discarded",
         [&] {
             messages.saveChoices = {SaveChoice::Discard};
             window.startNewDocumentAfterAsking();
         }},
        {"another project opened, the changes discarded",
         [&] {
             messages.saveChoices = {SaveChoice::Discard};
             window.openProjectFile(other);
         }},
    };
    for (const auto &c : cases) {
        clickCell(1, 1);
        waitPastInterval();
        ASSERT_TRUE(QFileInfo::exists(keeper.ownCopyPath())) << c.what;
        c.act();
        keeper.finishWriting();
        EXPECT_EQ(copies(), QStringList()) << c.what;
    }

    auto closing = std::make_unique<MainWindow>();
    closing->setMessageBoxes(&messages);
    ASSERT_TRUE(closing->recoveryKeeper().start(folder()));
    closing->recoveryKeeper().setIntervalMilliseconds(0);
    closing->history().changeSetting(0, PageSetting::Name, QStringLiteral("x"));
    QTest::qWait(10);
    closing->recoveryKeeper().finishWriting();
    ASSERT_TRUE(QFileInfo::exists(closing->recoveryKeeper().ownCopyPath()));
    closing.reset();
    EXPECT_EQ(copies(), QStringList());
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), 1) << "only this window's lock";
}

TEST_F(RecoveryKeeperTest, ADamagedCopyIsReportedSetAsideAndNotLoaded)
{
    Document left = doc;
    left.PixelData(0, 1, 1) = 1;
    const QString copyPath = QDir(folder()).filePath(QStringLiteral("gone.recovery"));
    QByteArray bytes = RecoveryStore::copyFileBytes(projectFileText(left).value(), QString());
    bytes.chop(5000);
    QFile file(copyPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    EXPECT_FALSE(keeper.offerCopies());
    EXPECT_TRUE(messages.askedToRestore.empty());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("復元データが壊れているため読み込めませんでした。%1 として残しました。")
            .arg(QDir::toNativeSeparators(copyPath + QStringLiteral(".damaged")))))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(doc.PixelData(0, 1, 1), 0);
    EXPECT_FALSE(window.isDocumentModified());
    EXPECT_EQ(copies(), QStringList{QStringLiteral("gone.recovery.damaged")});
    EXPECT_FALSE(QFileInfo::exists(QDir(folder()).filePath(QStringLiteral("gone.lock"))))
        << "the copy set aside is let go";
    EXPECT_FALSE(keeper.offerCopies());
    EXPECT_EQ(messages.shown.size(), 1U) << "reported once";
}

// With a file named on the command line, only that file's copies are asked about; the others wait.
TEST_F(RecoveryKeeperTest, AFileNamedAtStartUpOffersOnlyItsOwnCopies)
{
    const QString walk = dir.filePath(QStringLiteral("walk.egd"));
    leaveCopy(QStringLiteral("walk"), doc, walk);
    leaveCopy(QStringLiteral("run"), doc, dir.filePath(QStringLiteral("run.egd")));
    leaveCopy(QStringLiteral("unsaved"), doc, QString());

    messages.restoreChoices = {RestoreChoice::Discard};
    EXPECT_FALSE(keeper.offerCopies(QDir(dir.path()).relativeFilePath(walk)));
    ASSERT_EQ(messages.askedToRestore.size(), 1U);
    EXPECT_TRUE(messages.askedToRestore[0].text.contains(QStringLiteral("walk.egd")));
    EXPECT_EQ(copies(), (QStringList{QStringLiteral("run.recovery"), QStringLiteral("unsaved.recovery")}));

    // Without a file named, the others are offered; the question names no file for a document
    // never saved.
    messages.restoreChoices = {RestoreChoice::Later, RestoreChoice::Later};
    EXPECT_FALSE(keeper.offerCopies());
    ASSERT_EQ(messages.askedToRestore.size(), 3U);
    EXPECT_EQ(messages.askedToRestore[1].text.contains(QStringLiteral("run.egd"))
                  + messages.askedToRestore[2].text.contains(QStringLiteral("run.egd")),
              1);
    EXPECT_TRUE(messages.askedToRestore[1].text
                    == QStringLiteral("前回終了しなかった編集の復元データがあります。復元しますか？")
                || messages.askedToRestore[2].text
                    == QStringLiteral("前回終了しなかった編集の復元データがあります。復元しますか？"));
    EXPECT_EQ(copies().size(), 2) << "later keeps them";
}

} // namespace
} // namespace vesk4
