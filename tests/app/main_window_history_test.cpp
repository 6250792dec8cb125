// Undo, redo and the guard of unsaved work through the window: the keys, the caption's modified
// mark, and the question on closing.

#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowHistory : public ShownWindowTest {
protected:
    void undoKey() { QTest::keySequence(&window, QKeySequence::Undo); }
    // Fills cells 0-3 x 0-3 of page 0 with entry 1, then takes them up with "移動".
    void liftTopLeftBlock()
    {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                cell(x, y) = 1;
        clickTool(ToolButtons::kRange);
        drag({3, 3}, {35, 43});
        clickTool(ToolButtons::kMove);
        ASSERT_EQ(cell(3, 3), 0);
    }
};

// A right drag drops the moved block unpasted; undo, which shows the step's page, brings the source back.
TEST_F(MainWindowHistory, OneUndoBringsBackTheSourceOfAMovedBlock)
{
    liftTopLeftBlock();
    moveOnCanvas({200, 200}, Qt::RightButton);
    EXPECT_FALSE(window.blockTools().floatingBlock().visible);
    clickPage(2);
    undoKey();
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_EQ(cell(0, 0) + cell(3, 3), 2);
    QTest::keySequence(&window, QKeySequence::Redo);
    EXPECT_EQ(cell(0, 0), 0);
    EXPECT_EQ(window.undoStack().count(), 1);
}

TEST_F(MainWindowHistory, UndoWhileABlockFloatsDropsItSoNoPasteCanDoubleTheSource)
{
    liftTopLeftBlock();
    undoKey();
    EXPECT_FALSE(window.blockTools().floatingBlock().visible);
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_EQ(cell(3, 3), 1);
    EXPECT_EQ(window.undoStack().index(), 0);
}

TEST_F(MainWindowHistory, EachAnswerToTheCloseQuestionDoesWhatItSays)
{
    const struct {
        SaveChoice choice;
        bool hasFile, closes, writesFile;
    } cases[] = {
        {SaveChoice::Save, true, true, true},
        {SaveChoice::Save, false, false, false}, // the save dialog opens instead
        {SaveChoice::Discard, true, true, false},
        {SaveChoice::Cancel, true, false, false},
    };
    const QString file = dir.filePath(QStringLiteral("close.egd"));
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.choice) * 2 + c.hasFile);
        QFile::remove(file);
        MainWindow w;
        w.setMessageBoxes(&messages);
        w.show();
        if (c.hasFile)
            w.setCurrentFilePath(file);
        // A stroke still in progress: its cells are written but not yet a step.
        w.history().cellChanges().write(w.document().PixelData, 0, 1, 0, 7);
        w.fileDialogs()->show(FileDialogKind::Export);
        messages.saveChoices = {c.choice};

        EXPECT_EQ(w.close(), c.closes);
        ASSERT_EQ(messages.askedToSave.size(), 1u);
        EXPECT_EQ(messages.askedToSave[0].text, QStringLiteral("変更が保存されていません。保存しますか？"));
        EXPECT_EQ(w.isVisible(), !c.closes);
        EXPECT_EQ(w.fileDialogs()->exportDialog() == nullptr, c.closes);
        EXPECT_EQ(w.fileDialogs()->saveDialog() != nullptr, c.choice == SaveChoice::Save && !c.hasFile);
        EXPECT_EQ(QFile::exists(file), c.writesFile);
        EXPECT_EQ(w.isDocumentModified(), !c.writesFile);
        messages.askedToSave.clear();
    }
}

TEST_F(MainWindowHistory, OpeningOverChangesAsksAndAnOpenStartsAFreshHistory)
{
    const QString file = dir.filePath(QStringLiteral("b.egd"));
    ASSERT_TRUE(window.saveProjectFile(file));
    clickCell(1, 1);
    messages.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    EXPECT_FALSE(window.openProjectFile(file));
    EXPECT_EQ(cell(1, 1), 1);
    EXPECT_TRUE(window.openProjectFile(file));
    EXPECT_EQ(cell(1, 1), 0);
    EXPECT_FALSE(window.isDocumentModified());
    EXPECT_FALSE(window.undoStack().canUndo());
    EXPECT_TRUE(window.openProjectFile(file)); // a clean document opens without a question
    EXPECT_EQ(messages.askedToSave.size(), 2u);
}

} // namespace
} // namespace vesk4
