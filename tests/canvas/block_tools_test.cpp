#include "canvas/block_tools.h"

#include "canvas/mouse_buttons.h"
#include "document/page_state.h"

#include <gtest/gtest.h>

#include "started_block_tools.h"

#include <cmath>
#include <limits>

namespace vesk4 {
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kEntry0 = qRgb(128, 128, 128);
const QRgb kEntry1or2 = qRgb(128, 128, 255);

// Pointer positions that lie exactly on view grid column c and row r for the range tool.
double gx(int c)
{
    return 8.0 * c + 4;
}
double gy(int r)
{
    return 10.0 * r + 4;
}

class BlockToolsTest : public StartedBlockTools {
protected:
    // The range tool, a left drag from grid point (c0, r0) to (c1, r1), released there.
    void selectRange(int c0, int r0, int c1, int r1)
    {
        tools.toolButtonClicked(ToolButtons::kRange);
        tools.canvasMouseDown(kLeftButton, gx(c0), gy(r0));
        tools.canvasMouseMove(kLeftButton, gx(c1), gy(r1));
        tools.canvasMouseUp(kLeftButton, gx(c1), gy(r1));
    }
    void fillPage(int x0, int y0, int w, int h, int first)
    {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                doc.PixelData(0, x, y) = int16_t(first + (x - x0) + 16 * (y - y0));
    }
    // The block's w x h cells, row by row.
    std::vector<int> block(int w, int h) const
    {
        std::vector<int> cells;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                cells.push_back(doc.blockBuffer(x, y));
        return cells;
    }
};

TEST(RangeGridPoint, RoundsHalfToEvenAndStaysOnTheView)
{
    EditorState s;
    s.cellWidthPx = 8;
    s.cellHeightPx = 10;
    s.canvasWidthPx = 512;
    s.canvasHeightPx = 640;
    s.scrollRow = 30; // no scroll is added
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x, y;
        int column, row;
    } table[] = {
        {3, 3, 0, 0},       {11, 13, 1, 1},     {8, 9, 0, 0},        {16, 19, 2, 2},
        {24, 29, 2, 2},     {67, 83, 8, 8},     {515, 643, 64, 64},  {-3, -100, 0, 0},
        {1e5, -1e5, 64, 0}, {-1e5, 1e5, 0, 64}, {1e300, nan, 64, 0},
    };
    for (const auto &t : table)
        EXPECT_EQ(rangeGridPoint(s, t.x, t.y), QPoint(t.column, t.row)) << t.x << "," << t.y;
}

TEST_F(BlockToolsTest, DragCapturesTheBlockWithOneMoreColumnAndRow)
{
    fillPage(0, 0, 10, 10, 100);
    tools.toolButtonClicked(ToolButtons::kRange);
    EXPECT_EQ(tools.canvasMouseDown(kLeftButton, 3, 3), Refresh{});
    EXPECT_EQ(tools.canvasMouseMove(kLeftButton, 67, 83), Refresh{.canvas = true});
    EXPECT_EQ(tools.canvasMouseUp(kLeftButton, 67, 83), Refresh{.controls = true});
    EXPECT_EQ(QRect(state.rangeStartX, state.rangeStartY, state.rangeEndX, state.rangeEndY),
              QRect(0, 0, 8, 8));
    EXPECT_EQ(QRect(state.blockX, state.blockY, state.blockWidthCells, state.blockHeightCells),
              QRect(0, 0, 8, 8));
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 8; ++x)
            ASSERT_EQ(doc.blockBuffer(x, y), 100 + x + 16 * y) << x << "," << y;
    EXPECT_EQ(doc.blockBuffer(9, 0), 0);
    EXPECT_EQ(doc.blockBuffer(0, 9), 0);
    for (int i = ToolButtons::kCopy; i <= ToolButtons::kErase; ++i) {
        EXPECT_TRUE(tools.tools().toolButton(i).enabled);
        EXPECT_EQ(tools.tools().toolButton(i).shade, ButtonShade::Applicable);
    }
    EXPECT_FALSE(tools.tools().toolButton(ToolButtons::kTurn).enabled);

    // The opposite drag gives the same block; other buttons change nothing.
    const CellStore forward = doc.blockBuffer;
    doc.blockBuffer = CellStore();
    tools.canvasMouseDown(kLeftButton, 67, 83);
    EXPECT_EQ(tools.canvasMouseDown(kRightButton, 200, 200), Refresh{});
    EXPECT_EQ(tools.canvasMouseMove(kLeftButton | kRightButton, 200, 200), Refresh{});
    tools.canvasMouseMove(kLeftButton, 3, 3);
    EXPECT_EQ(tools.canvasMouseUp(kRightButton, 3, 3), Refresh{});
    tools.canvasMouseUp(kLeftButton, 3, 3);
    EXPECT_EQ(doc.blockBuffer, forward);
    EXPECT_EQ(QRect(state.blockX, state.blockY, state.blockWidthCells, state.blockHeightCells),
              QRect(0, 0, 8, 8));
}

TEST_F(BlockToolsTest, OutlineIsOneRedPixelOverAFreshRepaint)
{
    tools.toolButtonClicked(ToolButtons::kRange);
    tools.canvasMouseDown(kLeftButton, 67, 83);
    tools.canvasMouseMove(kLeftButton, 500, 500); // an outline the next move must paint over
    tools.canvasMouseMove(kLeftButton, 3, 3);
    CanvasRenderer reference(state);
    reference.redraw(doc, state);
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 512; ++x) {
            const bool outline = ((y == 0 || y == 80) && x <= 64) || ((x == 0 || x == 64) && y <= 80);
            ASSERT_EQ(renderer.canvas().pixel(x, y), outline ? kRed : reference.canvas().pixel(x, y))
                << x << "," << y;
        }

    // Corners on the view's far edges: those two sides lie outside the drawing area.
    tools.canvasMouseDown(kLeftButton, gx(64), gy(64));
    tools.canvasMouseMove(kLeftButton, gx(60), gy(60));
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 512; ++x) {
            const bool outline = (y == 600 && x >= 480) || (x == 480 && y >= 600);
            ASSERT_EQ(renderer.canvas().pixel(x, y), outline ? kRed : reference.canvas().pixel(x, y))
                << x << "," << y;
        }
}

TEST_F(BlockToolsTest, FloatingBlockFollowsThePointerAndStaysOnTheCanvas)
{
    selectRange(0, 0, 10, 4);
    tools.toolButtonClicked(ToolButtons::kCopy);
    const BlockSurface &block = tools.floatingBlock();
    const auto at = [&] { return QPoint(block.left, block.top); };
    ASSERT_EQ(QSize(block.width, block.height), QSize(80, 40));
    EXPECT_EQ(tools.canvasMouseMove(0, 100, 57), Refresh{.blockSurface = true});
    EXPECT_EQ(at(), QPoint(96, 50));
    tools.canvasMouseMove(kLeftButton, 8 * 60 + 3, 639); // view column 60, the bottom row
    EXPECT_EQ(at(), QPoint(432, 600));
    tools.canvasMouseMove(kLeftButton, -1e5, -1e5);
    EXPECT_EQ(at(), QPoint(0, 0));
    tools.canvasMouseMove(kLeftButton, 1e5, 1e5);
    EXPECT_EQ(at(), QPoint(432, 600));

    // Over the block itself the cell under the pointer becomes its first cell; its first pixel
    // column or row moves it one cell back.
    tools.canvasMouseMove(0, 100, 105);
    const struct {
        double x, y;
        QPoint expected;
    } table[] = {{1, 1, {96, 100}}, {0, 0, {88, 90}}, {9, 11, {104, 110}}, {-1e5, 1e5, {0, 600}}};
    for (const auto &t : table) {
        tools.canvasMouseMove(0, 100, 105);
        EXPECT_EQ(tools.floatingBlockMoved(0, t.x, t.y), Refresh{.blockSurface = true});
        EXPECT_EQ(at(), t.expected) << t.x << "," << t.y;
    }
    tools.canvasMouseMove(0, 480, 0);
    tools.floatingBlockMoved(0, 9, 1);
    EXPECT_EQ(at(), QPoint(432, 0));
    tools.floatingBlockMoved(0, std::nan(""), 1);
    EXPECT_EQ(at(), QPoint(432, 0));
}

TEST_F(BlockToolsTest, BlockColoursFollowTheLevelTables)
{
    EXPECT_EQ(blockCellColour(doc, 0), kEntry0);
    EXPECT_EQ(blockCellColour(doc, 1), kEntry1or2);
    EXPECT_EQ(blockCellColour(doc, 2), kEntry1or2);
    EXPECT_EQ(blockCellColour(doc, 0x20), qRgb(255, 128, 128));
    EXPECT_EQ(blockCellColour(doc, 0x04), qRgb(128, 255, 128));
    EXPECT_EQ(blockCellColour(doc, -1), qRgb(255, 255, 255));
}

// The rules of the transforms as plain loops over the w x h block, row by row.
std::vector<int> turned(const std::vector<int> &b, int w, int h)
{
    std::vector<int> out; // h wide, w high: new (x, y) = old (y, h - 1 - x)
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < h; ++x)
            out.push_back(b[std::size_t(y + w * (h - 1 - x))]);
    return out;
}

TEST_F(BlockToolsTest, TransformsMatchTheirRules)
{
    fillPage(0, 0, 5, 3, 1);
    selectRange(0, 0, 5, 3);
    tools.toolButtonClicked(ToolButtons::kCopy);
    const std::vector<int> original = block(5, 3);

    tools.toolButtonClicked(ToolButtons::kTurn);
    EXPECT_EQ(QSize(state.blockWidthCells, state.blockHeightCells), QSize(3, 5));
    EXPECT_EQ(QSize(tools.floatingBlock().width, tools.floatingBlock().height), QSize(24, 50));
    EXPECT_EQ(block(3, 5), turned(original, 5, 3));
    EXPECT_EQ(doc.blockBuffer(2, 0), original[0]); // the old top-left cell is the new top-right one
    for (int turn = 0; turn < 3; ++turn)
        tools.toolButtonClicked(ToolButtons::kTurn);
    EXPECT_EQ(block(5, 3), original);
    EXPECT_EQ(QSize(tools.floatingBlock().width, tools.floatingBlock().height), QSize(40, 30));

    tools.toolButtonClicked(ToolButtons::kMirrorLeftRight);
    EXPECT_EQ(doc.blockBuffer(0, 1), original[4 + 5]);
    tools.toolButtonClicked(ToolButtons::kMirrorLeftRight);
    tools.toolButtonClicked(ToolButtons::kMirrorTopBottom);
    EXPECT_EQ(doc.blockBuffer(1, 0), original[1 + 10]);
    tools.toolButtonClicked(ToolButtons::kMirrorTopBottom);
    EXPECT_EQ(block(5, 3), original);

    // The image shows the transformed block.
    const QImage &image = tools.floatingBlock().image;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixel(8 * x + 3, 10 * y + 5),
                      blockCellColour(doc, original[std::size_t(x + 5 * y)]));
}

TEST_F(BlockToolsTest, EmptyRangeCopiesPastesAndErasesNothing)
{
    fillPage(0, 0, 8, 8, 1);
    const PagedCellStore before = doc.PixelData;
    selectRange(3, 3, 3, 3);
    EXPECT_EQ(QSize(state.blockWidthCells, state.blockHeightCells), QSize(0, 0));
    tools.toolButtonClicked(ToolButtons::kErase);
    selectRange(3, 3, 3, 3);
    tools.toolButtonClicked(ToolButtons::kCopy);
    EXPECT_TRUE(tools.floatingBlock().image.isNull());
    tools.floatingBlockPressed(kLeftButton, 0, 0);
    EXPECT_EQ(doc.PixelData, before);
}

TEST_F(BlockToolsTest, NothingOutsideTheStoreWhateverThePointerDoes)
{
    state.scrollRow = 128;
    doc.PixelData(0, kCellMin, kCellMin) = 5;
    doc.PixelData(1, 0, 0) = 5;
    fillPage(0, 128, 65, 65, 1);
    tools.toolButtonClicked(ToolButtons::kRange);
    tools.canvasMouseDown(kLeftButton, -1e5, -1e5);
    tools.canvasMouseMove(kLeftButton, 1e5, 1e5);
    tools.canvasMouseUp(kLeftButton, 1e5, 1e5);
    EXPECT_EQ(QRect(state.blockX, state.blockY, state.blockWidthCells, state.blockHeightCells),
              QRect(0, 0, 64, 64));
    EXPECT_EQ(doc.blockBuffer(64, 64), doc.PixelData(0, 64, 192));

    tools.toolButtonClicked(ToolButtons::kMove);
    tools.canvasMouseMove(kLeftButton, 1e5, -1e5);
    EXPECT_EQ(QPoint(tools.floatingBlock().left, tools.floatingBlock().top), QPoint(0, 0));
    tools.floatingBlockMoved(kLeftButton, 1e5, 1e5);
    tools.floatingBlockPressed(kLeftButton, 1e5, 1e5);
    EXPECT_EQ(doc.PixelData(0, 63, 191), 1 + 63 + 16 * 63);

    tools.eraseCells(-1000, -1000, 100000, 100000);
    EXPECT_EQ(doc.PixelData(0, kCellMin, kCellMin), 0);
    EXPECT_EQ(doc.PixelData(1, 0, 0), 5);
    doc.PixelData(0, kCellMax, kCellMax) = 7;
    tools.eraseCells(30000, 30000, 5, 5);
    state.currentPage = 40;
    tools.eraseCells(0, 0, 500, 500);
    tools.pasteBlock();
    EXPECT_EQ(doc.PixelData(0, kCellMax, kCellMax), 7);
}

} // namespace
} // namespace vesk4
