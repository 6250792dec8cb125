// The rules of the pattern-count and grid boxes without widgets: what a box shows after an edit,
// what it stores and in how many undo steps. What showing a page does is pinned by the window's test
// that shows every page of a loaded project and compares the save byte for byte.
#include "document/page_settings_editor.h"

#include "document/page_state.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

class PageSettingsEditorTest : public ::testing::Test {
protected:
    void SetUp() override { startDocument(doc, state); }

    Document doc;
    EditorState state;
    EditHistory history{doc};
    PageSettingsEditor editor{doc, state, history};
};

// Edits one after another, each row starting where the one before of its box ended: a text goes in
// whole (a paste, or the text after one more key); a row with a position moves the spin bar there.
// A grid box takes 0 to its bar's maximum and moves the bar, a count box numbers up to 99.
TEST_F(PageSettingsEditorTest, BoxesShowAndStoreWhatTheirRulesAccept)
{
    enum Box { GridX, GridY, Count };
    const struct {
        Box box;
        const char *text;
        int moveTo; // -1: the text is typed
        const char *shown;
        int position, stored, steps;
    } cases[] = {
        {GridX, "200", -1, "0", 128, 0, 0}, // the first refusal brings back the start's 0
        {GridX, "07", -1, "7", 121, 7, 0}, // the bar moves and writes plain digits
        {GridX, "007", -1, "007", 121, 7, 0}, // the bar stays, and so does the text
        {GridX, "-3", -1, " 7", 121, 7, 0}, // refused: a blank where the sign goes
        {GridX, "128.4", -1, " 7", 121, 7, 0}, // compared before rounding
        {GridX, "127.6", -1, "128", 0, 128, 0},
        {GridX, "", -1, "0", 128, 0, 0}, // empty reads as 0
        {GridX, nullptr, 100, "28", 100, 28, 0},
        {GridY, "97", -1, "0", 96, 0, 0},
        {GridY, "96", -1, "96", 0, 96, 0},
        {GridY, nullptr, 95, "1", 95, 1, 0},
        {Count, "12", -1, "12", 255, 12, 1},
        {Count, "12", -1, "12", 255, 12, 1}, // the same count again is no step
        {Count, "5x", -1, "0", 255, 0, 2},
        {Count, "-5", -1, "-5", 255, -5, 3},
        {Count, "-99999", -1, "0", 255, 0, 4}, // does not fit 16 bits
        {Count, "99.4", -1, "0", 255, 0, 4}, // above 99 before rounding
        {Count, "98.6", -1, "98.6", 255, 99, 5},
        {Count, " 99 ", -1, " 99 ", 255, 99, 5},
        {Count, nullptr, 243, "12", 243, 12, 6},
        {Count, nullptr, 155, "0", 155, 0, 7}, // 100
        {Count, "3", -1, "3", 155, 3, 8}, // typing leaves the bar where the user left it
    };
    state.currentPage = 2;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        const QString text = QString::fromUtf8(c.text);
        const auto axis = Axis(c.box);
        const NumberBoxView &shown = c.box == Count
            ? (c.moveTo < 0 ? editor.editPatternCount(text) : editor.movePatternCountSpinBar(c.moveTo))
            : (c.moveTo < 0 ? editor.editGridBox(axis, text) : editor.moveGridSpinBar(axis, c.moveTo));
        EXPECT_EQ(shown, (NumberBoxView{QString::fromUtf8(c.shown), c.position}));
        const int stored = c.box == Count ? doc.pages[2].patternCount
            : c.box == GridX              ? state.gridIntervalX
                                          : state.gridIntervalY;
        EXPECT_EQ(QList<int>({stored, int(history.stack().count())}), QList<int>({c.stored, c.steps}));
        if (c.box != Count) {
            EXPECT_EQ(state.lastGridValue[c.box], c.stored);
        }
    }
    editor.resetGridBoxes();
    EXPECT_EQ(editor.gridBox(Axis::Y), (NumberBoxView{"8", 88}));
}

} // namespace
} // namespace vesk4
