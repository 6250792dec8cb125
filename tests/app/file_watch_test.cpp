// Another program changes or removes the open project file: the window asks once whether to reload
// it or keep the document, reports a removal and leaves the document unsaved, asks before
// "上書き保存" overwrites a changed file, and never asks about its own saves.
#include "app/file_watch.h"

#include "app/shown_window.h"

#include <QAction>
#include <QBuffer>
#include <QSaveFile>
#include <QSignalSpy>

namespace vesk4 {

namespace {

enum class OutsideWrite {
    Replace, // a new file renamed over the old one, as QSaveFile and most editors save
    InPlace, // the same file truncated and written again, in two parts
};

enum class Answer { Reload, Keep };

class FileWatchTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        path = dir.filePath(QStringLiteral("watched.egd"));
        ASSERT_TRUE(window.saveProjectFile(path));
        ASSERT_EQ(window.fileWatch()->watchedPath(), QFileInfo(path).absoluteFilePath());
    }

    // The saved document with one cell more, as another program's change.
    QByteArray changedProject(int x, int y) const
    {
        Document changed = doc;
        changed.PixelData(0, x, y) = 1;
        return projectFileText(changed).value();
    }

    void writeOutside(OutsideWrite how, const QByteArray &bytes) const
    {
        if (how == OutsideWrite::Replace) {
            QSaveFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            ASSERT_TRUE(file.commit());
            return;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const qsizetype half = bytes.size() / 2;
        file.write(bytes.left(half));
        ASSERT_TRUE(file.flush());
        // The events of the first part reach the window before the rest is written.
        QTest::qWait(FileWatch::kSettleMs / 3);
        file.write(bytes.mid(half));
    }

    // Waits until the window has asked that many questions in all.
    [[nodiscard]] bool waitForQuestions(std::size_t count)
    {
        return QTest::qWaitFor([&] { return messages.asked.size() >= count; }, 5000);
    }

    // Gives a look the time to come; the check after it is that nothing was asked or shown.
    static void waitOutSettling() { QTest::qWait(3 * FileWatch::kSettleMs); }

    QString path;
};

class FileWatchAnswerTest : public FileWatchTest,
                            public ::testing::WithParamInterface<std::tuple<OutsideWrite, Answer>> { };

// Either way of writing gives one question naming the change; reload makes the document the file's
// and saved, keep leaves the document and its unsaved change as they were but unsaved for good. The
// watch goes on after either: a second change asks again (in the words for a document without
// unsaved changes after the reload).
TEST_P(FileWatchAnswerTest, AnOutsideChangeAsksOnceAndTheAnswerDecides)
{
    const auto [how, answer] = GetParam();
    const QByteArray outside = changedProject(10, 20);
    clickCell(0, 0);
    messages.answers = {answer == Answer::Reload, true};
    writeOutside(how, outside);
    ASSERT_TRUE(waitForQuestions(1));
    EXPECT_EQ(messages.asked[0].caption, window.title());
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("ファイル「watched.egd」は他のプログラムで変更されました。\n"
                             "読み込み直して、保存していない変更を破棄しますか？\n"
                             "「いいえ」を選ぶと、編集中の内容をそのまま残します。"));
    waitOutSettling();
    EXPECT_EQ(messages.asked.size(), 1u);

    if (answer == Answer::Reload) {
        EXPECT_EQ(projectFileText(doc).value(), outside);
        EXPECT_EQ(cell(0, 0), 0);
        EXPECT_FALSE(window.isDocumentModified());
        EXPECT_FALSE(window.isWindowModified());
    } else {
        EXPECT_EQ(cell(0, 0), 1);
        EXPECT_EQ(cell(10, 20), 0);
        EXPECT_EQ(readFile(QStringLiteral("watched.egd")), outside);
        window.undo();
        EXPECT_EQ(cell(0, 0), 0);
        EXPECT_TRUE(window.isDocumentModified()); // back to the saved cells, but not to the file
        EXPECT_TRUE(window.isWindowModified());
    }

    const QByteArray second = changedProject(30, 40);
    writeOutside(how, second);
    ASSERT_TRUE(waitForQuestions(2));
    EXPECT_TRUE(messages.asked[1].text.contains(QStringLiteral("変更")));
    EXPECT_EQ(messages.asked[1].text.contains(QStringLiteral("破棄")), answer == Answer::Keep);
    EXPECT_EQ(projectFileText(doc).value(), second);
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(WriteAndAnswer, FileWatchAnswerTest,
                         ::testing::Combine(::testing::Values(OutsideWrite::Replace, OutsideWrite::InPlace),
                                            ::testing::Values(Answer::Reload, Answer::Keep)));

// The window's own saves replace the file by renaming too; they ask nothing, and the watch still
// sees the next outside change.
TEST_F(FileWatchTest, OwnSavesAskNothing)
{
    QAction *save = menu->action(MainMenu::Save);
    ASSERT_TRUE(save->text().startsWith(QStringLiteral("上書き保存")));
    for (int x = 0; x < 3; ++x) {
        clickCell(x, 0);
        save->trigger();
        ASSERT_FALSE(window.isDocumentModified());
    }
    waitOutSettling();
    EXPECT_TRUE(messages.asked.empty());

    messages.answers = {false};
    writeOutside(OutsideWrite::Replace, changedProject(5, 5));
    EXPECT_TRUE(waitForQuestions(1));
}

// A removed file is reported once; the document stays, unsaved, so closing asks to save it, and
// "上書き保存" writes the file again without the overwrite question.
TEST_F(FileWatchTest, ARemovedFileIsReportedAndTheDocumentBecomesUnsaved)
{
    clickCell(4, 4);
    menu->action(MainMenu::Save)->trigger();
    const QByteArray saved = readFile(QStringLiteral("watched.egd"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
    waitOutSettling();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, window.title());
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("ファイル「watched.egd」は他のプログラムで削除または移動されました。\n"
                             "編集中の内容は未保存のまま残しています。"));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(cell(4, 4), 1);
    EXPECT_TRUE(window.isWindowModified());

    messages.saveChoices = {SaveChoice::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(messages.askedToSave.size(), 1u);

    menu->action(MainMenu::Save)->trigger();
    EXPECT_EQ(readFile(QStringLiteral("watched.egd")), saved);
    EXPECT_FALSE(window.isWindowModified());
    waitOutSettling();
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(messages.shown.size(), 1u);
}

// A file removed and then written again by another program is asked about like any change: the
// folder is watched while the file is gone.
TEST_F(FileWatchTest, AFilePutBackAfterARemovalIsAskedAbout)
{
    clickCell(4, 4);
    menu->action(MainMenu::Save)->trigger();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
    waitOutSettling();
    messages.answers = {false};
    writeOutside(OutsideWrite::Replace, changedProject(5, 5));
    EXPECT_TRUE(waitForQuestions(1));
}

// "上書き保存" over a file changed since the last save asks first, before the watch has looked:
// "no" leaves the other program's file and the document unsaved (and the watch does not ask about
// the same change again); "yes" writes the document. A change of the time alone counts too.
TEST_F(FileWatchTest, SavingOverAChangedFileAsksFirst)
{
    QAction *save = menu->action(MainMenu::Save);
    clickCell(1, 2);
    const QByteArray outside = changedProject(7, 7);
    writeOutside(OutsideWrite::InPlace, outside);
    messages.answers = {false};
    save->trigger();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("ファイル「watched.egd」は他のプログラムで変更されています。\n"
                             "上書きしますか？"));
    EXPECT_EQ(readFile(QStringLiteral("watched.egd")), outside);
    EXPECT_TRUE(window.isWindowModified());
    waitOutSettling();
    EXPECT_EQ(messages.asked.size(), 1u);

    messages.answers = {true};
    save->trigger();
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(readFile(QStringLiteral("watched.egd")), projectFileText(doc).value());
    EXPECT_FALSE(window.isWindowModified());

    clickCell(2, 2);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                                     QFileDevice::FileModificationTime));
    }
    messages.answers = {false};
    save->trigger();
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_TRUE(window.isWindowModified());
}

// A stroke in progress is not interrupted: the question waits until the button is released, and
// the kept document holds the stroke.
TEST_F(FileWatchTest, TheQuestionWaitsForAHeldButton)
{
    press(Qt::LeftButton, cellCentre({3, 3}));
    writeOutside(OutsideWrite::Replace, changedProject(9, 9));
    waitOutSettling();
    EXPECT_TRUE(messages.asked.empty());
    release(Qt::LeftButton, cellCentre({3, 3}));
    messages.answers = {false};
    ASSERT_TRUE(waitForQuestions(1));
    EXPECT_EQ(cell(3, 3), 1);
    EXPECT_EQ(cell(9, 9), 0);
    EXPECT_TRUE(window.isWindowModified());
}

// The C header and include files the window writes or reads are no current file: after an include
// file is read, nothing is watched.
TEST_F(FileWatchTest, OnlyTheCurrentProjectFileIsWatched)
{
    ASSERT_TRUE(window.exportIncludeFile(dir.filePath(QStringLiteral("watched.inc"))));
    EXPECT_EQ(window.fileWatch()->watchedPath(), QFileInfo(path).absoluteFilePath());
    ASSERT_TRUE(window.readIncludeDocument(dir.filePath(QStringLiteral("watched.inc"))));
    EXPECT_TRUE(window.fileWatch()->watchedPath().isEmpty());
    writeOutside(OutsideWrite::Replace, changedProject(1, 1));
    waitOutSettling();
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace

} // namespace vesk4
