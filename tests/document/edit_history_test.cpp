// The edit history over the core: each kind of edit is one step, and undo and redo give back the
// exact bytes a save writes.
#include "document/edit_history.h"

#include "canvas/mouse_buttons.h"
#include "canvas/pen.h"
#include "files/project_file.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include "canvas/started_block_tools.h"

#include <functional>
#include <random>

namespace vesk4 {
namespace {

// A pointer position over canvas cell (x, y) for the pen, and over grid point (x, y) for the range.
constexpr double cellX(int x)
{
    return 8.0 * x + 5;
}
constexpr double cellY(int y)
{
    return 10.0 * y + 5;
}

class EditHistoryTest : public StartedBlockTools {
public: // the edit table below drives the fixture from outside
    void SetUp() override
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                doc.PixelData(0, x, y) = int16_t((x + y) % 3);
        tools.setJournal(&history.cellChanges());
    }

    QByteArray saved() const
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_TRUE(writeProject(doc, out).ok());
        return out.data();
    }

    // A pen stroke through the cells, pressed on the first and released on the last.
    void stroke(int button, const std::vector<QPoint> &cells)
    {
        pointerToCell(state, cellX(cells[0].x()), cellY(cells[0].y()));
        penPress(doc, state, button, &history.cellChanges());
        for (const QPoint &c : cells) {
            pointerToCell(state, cellX(c.x()), cellY(c.y()));
            penMove(doc, state, button, &history.cellChanges());
        }
        state.pressedButton = 0;
        history.commitCells(QStringLiteral("stroke"));
    }
    void selectRange(int c0, int r0, int c1, int r1)
    {
        tools.toolButtonClicked(ToolButtons::kRange);
        tools.canvasMouseDown(kLeftButton, 8.0 * c0 + 4, 10.0 * r0 + 4);
        tools.canvasMouseMove(kLeftButton, 8.0 * c1 + 4, 10.0 * r1 + 4);
        tools.canvasMouseUp(kLeftButton, 8.0 * c1 + 4, 10.0 * r1 + 4);
    }
    void clickTool(int index)
    {
        tools.toolButtonClicked(index);
        history.commitCells(QStringLiteral("tool"));
    }
    // "ｺﾋﾟｰ" of the range, the block taken to view cell (x, y) and pasted there.
    void copyAndPaste(int x, int y)
    {
        clickTool(ToolButtons::kCopy);
        tools.canvasMouseMove(0, cellX(x) - 5, cellY(y) - 5);
        tools.floatingBlockPressed(kLeftButton, 1, 1);
        history.commitCells(QStringLiteral("paste"));
    }

    EditHistory history{doc};
};

struct EditCase {
    const char *name;
    std::function<void(EditHistoryTest &)> edit;
};

class EditUndoRedo : public EditHistoryTest, public ::testing::WithParamInterface<EditCase> { };

TEST_P(EditUndoRedo, IsOneStepAndUndoRedoGiveBackTheSavedBytes)
{
    const QByteArray before = saved();
    GetParam().edit(*this);
    const QByteArray after = saved();
    EXPECT_NE(after, before);
    EXPECT_EQ(history.stack().count(), 1);
    EXPECT_TRUE(history.isModified());
    history.undo();
    EXPECT_EQ(saved(), before);
    EXPECT_FALSE(history.isModified());
    history.redo();
    EXPECT_EQ(saved(), after);
}

INSTANTIATE_TEST_SUITE_P(
    EachEdit, EditUndoRedo,
    ::testing::Values(EditCase{"Stroke",
                               [](EditHistoryTest &t) {
                                   t.stroke(kLeftButton, {{0, 0}, {1, 0}, {2, 1}, {2, 2}});
                               }},
                      EditCase{"RightStroke",
                               [](EditHistoryTest &t) {
                                   t.stroke(kRightButton, {{1, 0}, {2, 0}, {4, 0}});
                               }},
                      EditCase{"Lift",
                               [](EditHistoryTest &t) {
                                   t.selectRange(1, 1, 5, 4);
                                   t.clickTool(ToolButtons::kMove);
                               }},
                      EditCase{"Paste",
                               [](EditHistoryTest &t) {
                                   t.selectRange(0, 0, 4, 4);
                                   t.copyAndPaste(20, 30);
                               }},
                      EditCase{"Erase",
                               [](EditHistoryTest &t) {
                                   t.selectRange(2, 2, 9, 7);
                                   t.clickTool(ToolButtons::kErase);
                               }},
                      EditCase{"Name",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(3, PageSetting::Name, QStringLiteral("顔"));
                               }},
                      EditCase{"Width",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(0, PageSetting::PatternWidth, int16_t(16));
                               }},
                      EditCase{"Height",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(0, PageSetting::PatternHeight, int16_t(24));
                               }},
                      EditCase{"Count",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(5, PageSetting::PatternCount, int16_t(12));
                               }},
                      EditCase{"OutputFlag",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(0, PageSetting::OutputFlag, int16_t(1));
                               }},
                      EditCase{"ColourMode",
                               [](EditHistoryTest &t) {
                                   t.history.changeSetting(2, PageSetting::ColourMode, int16_t(kMode2Ex));
                               }}),
    [](const ::testing::TestParamInfo<EditCase> &info) { return std::string(info.param.name); });

TEST_F(EditHistoryTest, EditsThatChangeNothingAddNoStep)
{
    stroke(kLeftButton, {{0, 1}}); // already entry 1
    history.changeSetting(0, PageSetting::Name, doc.ChrName[0]);
    selectRange(30, 30, 30, 30); // an empty range
    clickTool(ToolButtons::kErase);
    EXPECT_EQ(history.stack().count(), 0);
    EXPECT_FALSE(history.isModified());
}

TEST_F(EditHistoryTest, NameKeystrokesOfOnePageMergeAndTypingItBackLeavesNoStep)
{
    for (const char *name : {"C", "Ca", "Cat"})
        history.changeSetting(1, PageSetting::Name, QString::fromUtf8(name));
    history.changeSetting(2, PageSetting::Name, QStringLiteral("Dog"));
    EXPECT_EQ(history.stack().count(), 2);
    history.undo();
    history.undo();
    EXPECT_EQ(doc.ChrName[1], QStringLiteral("Chr01"));

    history.stack().clear();
    for (const char *name : {"Chr0", "Chr01"})
        history.changeSetting(1, PageSetting::Name, QString::fromUtf8(name));
    EXPECT_EQ(history.stack().count(), 0);
}

TEST_F(EditHistoryTest, UndoShowsThePageOfTheStepAndItsControlsDoNotRecord)
{
    std::vector<int> shown;
    history.setStepApplied([&](const AppliedStep &step) {
        shown.push_back(step.page);
        // A control set to show the step runs its handler, which must not add a step.
        EXPECT_FALSE(history.changeSetting(step.page, PageSetting::PatternCount, int16_t(7)));
    });
    history.changeSetting(4, PageSetting::PatternCount, int16_t(3));
    stroke(kLeftButton, {{9, 9}});
    history.undo();
    history.undo();
    history.redo();
    EXPECT_EQ(shown, (std::vector<int>{0, 4, 4}));
    EXPECT_EQ(doc.ChrPtnNum[4], 3);
}

TEST_F(EditHistoryTest, SavingMarksTheCleanStateThatUndoReturnsTo)
{
    stroke(kLeftButton, {{3, 0}});
    history.markSaved();
    EXPECT_FALSE(history.isModified());
    stroke(kLeftButton, {{5, 0}});
    EXPECT_TRUE(history.isModified());
    history.undo();
    EXPECT_FALSE(history.isModified());
    history.undo();
    EXPECT_TRUE(history.isModified());
}

// Random edits of every kind the window makes, then all undone and all redone.
TEST_F(EditHistoryTest, RandomEditSequencesUndoToTheStartAndRedoToTheEnd)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        history.clear();
        const QByteArray start = saved();
        for (int i = 0; i < 60; ++i) {
            // An undo now and then, so that later edits replace the steps it could redo.
            if (pick(0, 7) == 0)
                history.undo();
            state.currentPage = int16_t(pick(0, 3));
            switch (pick(0, 5)) {
            case 0:
                stroke(pick(0, 1) ? kLeftButton : kRightButton,
                       {{pick(0, 63), pick(0, 63)}, {pick(0, 63), pick(0, 63)}, {pick(0, 63), pick(0, 63)}});
                break;
            case 1:
                selectRange(pick(0, 20), pick(0, 20), pick(0, 40), pick(0, 40));
                clickTool(pick(0, 1) ? ToolButtons::kMove : ToolButtons::kErase);
                break;
            case 2:
                selectRange(pick(0, 20), pick(0, 20), pick(0, 40), pick(0, 40));
                copyAndPaste(pick(0, 60), pick(0, 60));
                break;
            case 3:
                history.changeSetting(state.currentPage, PageSetting(pick(1, 5)), int16_t(pick(0, 99)));
                break;
            default:
                history.changeSetting(state.currentPage, PageSetting::Name,
                                      QStringLiteral("p%1").arg(pick(0, 9)));
                break;
            }
        }
        // A last edit that surely changes the document leaves nothing to redo.
        history.changeSetting(0, PageSetting::Name, QStringLiteral("end"));
        const QByteArray end = saved();
        while (history.stack().canUndo())
            history.undo();
        EXPECT_EQ(saved(), start) << "seed " << seed;
        while (history.stack().canRedo())
            history.redo();
        EXPECT_EQ(saved(), end) << "seed " << seed;
    }
}

} // namespace
} // namespace vesk4
