#include "canvas/canvas_renderer.h"

#include <gtest/gtest.h>

#include "started_block_tools.h"

namespace vesk4 {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(237, 28, 36);
const QRgb kBlue = qRgb(0, 162, 232);
const QRgb kGrey200 = qRgb(200, 200, 200);

// A pixel of the lines over an empty page, by the rules: the fine blue grid on every cell edge (only
// while the grid in that direction is on), the black grid every gridIntervalX / gridIntervalY page cells, the
// red pattern boundaries every pattern width / height page cells but never on the view's left or top edge.
// Dotted lines take their dots from the canvas's origin; each family lies over the ones before.
QRgb expectedLinePixel(const EditorState &s, int x, int y)
{
    const auto on = [](int pos, int cell, int scroll, int every) {
        return every >= 1 && pos % cell == 0 && (pos / cell + scroll) % every == 0;
    };
    const QRgb rowDot = x % 8 % 2 ? kWhite : kBlack;
    const QRgb columnDot = y % 10 % 2 ? kWhite : kBlack;
    if ((x > 0 && on(x, 8, s.scrollColumn, s.currentPatternWidth))
        || (y > 0 && on(y, 10, s.scrollRow, s.currentPatternHeight)))
        return kRed;
    if (on(x, 8, s.scrollColumn, s.gridIntervalX))
        return columnDot;
    if (on(y, 10, s.scrollRow, s.gridIntervalY))
        return rowDot;
    if (on(x, 8, 0, s.gridIntervalX >= 1))
        return columnDot == kBlack ? kBlue : kWhite;
    if (on(y, 10, 0, s.gridIntervalY >= 1))
        return rowDot == kBlack ? kBlue : kWhite;
    return kWhite;
}

class CanvasRendererTest : public StartedBlockTools {
protected:
    void draw() { renderer.redraw(doc, state); }
    // The 7 x 9 pixels of a canvas cell that no grid line crosses, and the 2 x 3 thumbnail cell.
    ::testing::AssertionResult cellIs(int j, int i, QRgb canvasColour, QRgb thumbColour)
    {
        for (int y = 1; y < 10; ++y)
            for (int x = 1; x < 8; ++x)
                if (renderer.canvas().pixel(8 * j + x, 10 * i + y) != canvasColour)
                    return ::testing::AssertionFailure() << "canvas cell " << j << "," << i;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 2; ++x)
                if (renderer.thumbnail().pixel(2 * j + x, 3 * i + y) != thumbColour)
                    return ::testing::AssertionFailure() << "thumbnail cell " << j << "," << i;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(CanvasRendererTest, GridFollowsTheScrollAndTheSettings)
{
    const struct {
        int scrollColumn, scrollRow, gridX, gridY, patternWidth, patternHeight;
    } table[] = {
        {0, 0, 8, 8, 8, 8}, // the start-up canvas
        {0, 3, 8, 8, 8, 8},
        {0, 11, 8, 8, 8, 16},
        {13, 0, 8, 8, 16, 8},
        {5, 7, 3, 5, 6, 4},
        {0, 0, 0, 0, 8, 8},
        {0, 0, 8, 8, 0, 0},
        // Scrolled above and left of the sheet, and lines on every cell.
        {-3, -13, 3, 5, 6, 4},
        {2, 5, 1, 1, 1, 1},
    };
    for (const auto &t : table) {
        state.scrollColumn = int16_t(t.scrollColumn);
        state.scrollRow = int16_t(t.scrollRow);
        state.gridIntervalX = int16_t(t.gridX);
        state.gridIntervalY = int16_t(t.gridY);
        state.currentPatternWidth = int16_t(t.patternWidth);
        state.currentPatternHeight = int16_t(t.patternHeight);
        draw();
        SCOPED_TRACE(::testing::Message() << "row " << &t - table);
        for (int y = 0; y < 640; ++y)
            for (int x = 0; x < 512; ++x)
                ASSERT_EQ(renderer.canvas().pixel(x, y), expectedLinePixel(state, x, y)) << x << "," << y;
    }
    EXPECT_TRUE(cellIs(63, 63, kWhite, kWhite));
}

TEST_F(CanvasRendererTest, CellsShowTheGreyOfPageZerosPaletteAndBlackOutsideIt)
{
    doc.pages[0].pal16[3] = 256;
    doc.pages[0].pal16[4] = -5;
    // Entry 2 is colour 128 = rightPenAltColour, on "2色" shown as rightPenColour; 16 is the spare
    // entry, 0; 17 and -1 lie outside the palette row, 3 and 4 name no grey.
    const std::pair<int16_t, QRgb> cells[] = {
        {1, kBlack}, {2, kWhite}, {17, kBlack}, {-1, kBlack}, {16, kBlack}, {3, kBlack}, {4, kBlack},
    };
    for (int j = 0; j < 7; ++j)
        doc.PixelData(0, j, 2) = cells[j].first;
    doc.PixelData(0, 63, 63) = 5; // colour 16
    draw();
    for (int j = 0; j < 7; ++j)
        EXPECT_TRUE(cellIs(j, 2, cells[j].second, cells[j].second)) << cells[j].first;
    EXPECT_TRUE(cellIs(63, 63, qRgb(16, 16, 16), qRgb(16, 16, 16)));
    doc.pages[0].colourMode = kMode2Ex;
    draw();
    EXPECT_TRUE(cellIs(1, 2, qRgb(128, 128, 128), kWhite));

    // Any page shows through the palette of page 0.
    state.currentPage = 1;
    doc.pages[1].pal16[1] = 50;
    doc.PixelData(1, 0, 0) = 1;
    draw();
    EXPECT_TRUE(cellIs(0, 0, kBlack, kBlack));
    EXPECT_TRUE(cellIs(0, 2, kWhite, kWhite));

    // With rightPenAltColour = rightPenColour the thumbnail whitens rightPenColour itself.
    state.rightPenColour = state.rightPenAltColour = 0;
    draw();
    EXPECT_TRUE(cellIs(0, 0, kBlack, kWhite));
}

TEST_F(CanvasRendererTest, ColumnsBeyondTheLastWholePatternAreGrey)
{
    for (int x = 0; x < 64; ++x)
        doc.PixelData(0, x, 1) = 1;
    doc.pages[0].patternWidth = 24;
    draw();
    EXPECT_TRUE(cellIs(47, 1, kBlack, kBlack));
    for (int j = 48; j < 64; ++j)
        EXPECT_TRUE(cellIs(j, 0, kGrey200, kGrey200) && cellIs(j, 1, kGrey200, kGrey200)) << j;

    // No whole pattern at all: every column grey, and nothing fails.
    for (int width : {0, -8, 65, 32767}) {
        doc.pages[0].patternWidth = int16_t(width);
        draw();
        EXPECT_TRUE(cellIs(0, 1, kGrey200, kGrey200) && cellIs(63, 63, kGrey200, kGrey200)) << width;
    }
}

TEST_F(CanvasRendererTest, RowsPastTheStoreShowEntryZeroAndAnUnknownPageGrey)
{
    state.scrollRow = 390;
    doc.PixelData(0, 0, 400) = 1;
    draw();
    EXPECT_TRUE(cellIs(0, 10, kBlack, kBlack));
    EXPECT_TRUE(cellIs(0, 11, kWhite, kWhite));
    state.currentPage = 32;
    draw();
    EXPECT_TRUE(cellIs(0, 0, kGrey200, kGrey200));

    // A renderer without a usable geometry draws nothing.
    CanvasRenderer empty{EditorState{}};
    empty.redraw(doc, state);
    EXPECT_TRUE(empty.canvas().isNull());
}

} // namespace
} // namespace vesk4
