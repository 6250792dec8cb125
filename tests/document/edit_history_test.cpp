// The edit history over the core: each kind of edit the window makes is one step, and undo and
// redo give back the exact bytes a save writes.
#include "document/edit_history.h"

#include "canvas/pen.h"
#include "files/project_file.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include "canvas/started_block_tools.h"

#include <functional>

namespace vesk4 {
namespace {

enum class Edit { Stroke, Lift, Paste, Erase, Name, Width, Height, Count, OutputFlag, ColourMode };
// A number in lo … hi for an edit's cells and values.
using Pick = std::function<int(int lo, int hi)>;

class EditHistoryTest : public StartedBlockTools {
protected:
    // Edits land on page 1, so none may take page 0 for granted.
    void SetUp() override
    {
        state.currentPage = 1;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                doc.PixelData(1, x, y) = int16_t((x + y) % 3);
        tools.setJournal(&history.cellChanges());
    }

    QByteArray saved() const
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_TRUE(writeProject(doc, out).ok());
        return out.data();
    }

    // A pen stroke pressed on one view cell and dragged over two more, as the window makes it.
    void stroke(int button, const Pick &pick)
    {
        for (int i = 0; i < 3; ++i) {
            trackPointer(state, 8.0 * pick(0, 63) + 5, 10.0 * pick(0, 63) + 5);
            if (i == 0)
                penPress(doc, state, button, &history.cellChanges());
            penMove(doc, state, button, &history.cellChanges());
        }
        state.pressedButton = 0;
        history.commitCells(QStringLiteral("描画"));
    }
    void clickTool(int index)
    {
        tools.toolButtonClicked(index);
        history.commitCells(QStringLiteral("tool"));
    }

    void make(Edit edit, const Pick &pick)
    {
        const int page = state.currentPage;
        if (edit == Edit::Stroke)
            return stroke(pick(0, 1) == 1 ? kRightButton : kLeftButton, pick);
        if (edit == Edit::Name)
            return void(
                history.changeSetting(page, PageSetting::Name, QStringLiteral("p%1").arg(pick(0, 9))));
        if (edit >= Edit::Width)
            return void(
                history.changeSetting(page, PageSetting(int(edit) - int(Edit::Name)), int16_t(pick(0, 99))));
        selectRange(pick(0, 20), pick(0, 20), pick(0, 40), pick(0, 40));
        if (edit != Edit::Paste)
            return clickTool(edit == Edit::Lift ? ToolButtons::kMove : ToolButtons::kErase);
        // "ｺﾋﾟｰ", the block taken along by the pointer and put down by a left click
        clickTool(ToolButtons::kCopy);
        tools.move(toolPointer(state, 8.0 * pick(0, 60), 10.0 * pick(0, 60)), 0);
        tools.floatingBlockPressed(kLeftButton, 1, 1);
        history.commitCells(QStringLiteral("貼り付け"));
    }

    EditHistory history{doc};
};

// Each kind of edit, with the name its undo step shows.
class EachEdit : public EditHistoryTest,
                 public ::testing::WithParamInterface<std::pair<Edit, const char *>> { };

TEST_P(EachEdit, IsOneNamedStepThatUndoAndRedoTakeBackAndDoAgain)
{
    const QByteArray before = saved();
    make(GetParam().first, [](int lo, int hi) { return (lo + hi) / 2; });
    const QByteArray after = saved();
    EXPECT_NE(after, before);
    EXPECT_EQ(history.stack().count(), 1);
    EXPECT_EQ(history.stack().undoText(), QString::fromUtf8(GetParam().second));
    history.undo();
    EXPECT_EQ(saved(), before);
    history.redo();
    EXPECT_EQ(saved(), after);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachEdit,
                         ::testing::Values(std::pair(Edit::Stroke, "描画"), std::pair(Edit::Lift, "tool"),
                                           std::pair(Edit::Paste, "貼り付け"), std::pair(Edit::Erase, "tool"),
                                           std::pair(Edit::Name, "Name"), std::pair(Edit::Width, "Size X"),
                                           std::pair(Edit::Height, "Size Y"),
                                           std::pair(Edit::Count, "Pattern count"),
                                           std::pair(Edit::OutputFlag, "Data output"),
                                           std::pair(Edit::ColourMode, "Colour mode")));

TEST_F(EditHistoryTest, EditsThatChangeNothingAddNoStepAndNameKeysMerge)
{
    make(Edit::Stroke, [](int, int) { return 2; }); // the left pen over a cell of entry 1
    history.changeSetting(0, PageSetting::Name, doc.pages[0].name);
    make(Edit::Erase, [](int, int) { return 30; }); // an empty range
    EXPECT_EQ(history.stack().count(), 0);

    for (const char *name : {"C", "Ca", "Cat"})
        history.changeSetting(1, PageSetting::Name, QString::fromUtf8(name));
    history.changeSetting(2, PageSetting::Name, QStringLiteral("Dog"));
    EXPECT_EQ(history.stack().count(), 2);
    history.changeSetting(2, PageSetting::Name, QStringLiteral("Chr02")); // typed back: no step left
    EXPECT_EQ(history.stack().count(), 1);
    history.undo();
    EXPECT_EQ(doc.pages[1].name, QStringLiteral("Chr01"));
}

TEST_F(EditHistoryTest, UndoAndRedoNameThePageOfTheirStep)
{
    std::vector<int> shown;
    history.setStepApplied([&](const AppliedStep &step) { shown.push_back(step.page); });
    history.changeSetting(4, PageSetting::PatternCount, int16_t(3));
    history.undo();
    history.redo();
    EXPECT_EQ(shown, (std::vector<int>{4, 4}));
    EXPECT_EQ(doc.pages[4].patternCount, 3);
}

} // namespace
} // namespace vesk4
