// The range and block tools through the window: the canvas's and the floating block's mouse events
// and the tool buttons reach the tools, and what they do reaches the page and the undo history.
#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowBlock : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        // A recognisable page: cell (x, y) of rows 0-31 holds (x + y) % 3.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x)
                cell(x, y) = int16_t((x + y) % 3);
    }
    // The range tool's drag over view cells from (0, 0) up to the grid point (columns, rows).
    void selectFromTopLeft(int columns, int rows)
    {
        clickTool(ToolButtons::kRange);
        drag({3, 3}, {columns * 8 + 3, rows * 10 + 3});
    }

    BlockSurfaceView *block = window.canvasView()->floatingBlock();
};

TEST_F(MainWindowBlock, ScrolledRangeCopiesAndPastesPageRowsBelowTheScroll)
{
    window.canvasView()->scrollBar()->setValue(10);
    clickTool(ToolButtons::kRange);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    drag({3, 2 * 10 + 3}, {3 * 8 + 3, 5 * 10 + 3}); // view rows 2-4, columns 0-2
    const EditorState &s = window.state();
    EXPECT_EQ(QRect(s.blockX, s.blockY, s.blockWidthCells, s.blockHeightCells), QRect(0, 2, 3, 3));
    // The red outline stays on the canvas until the next repaint.
    EXPECT_EQ(window.renderer().canvas().pixelColor(8, 50), QColor(255, 0, 0));

    clickTool(ToolButtons::kCopy); // the block floats over its source
    EXPECT_EQ(block->geometry(), QRect(onCanvas({0, 20}), QSize(24, 30)));
    moveOnCanvas({40 * 8 + 4, 5}, Qt::NoButton); // the block's top-left cell goes under the pointer
    EXPECT_EQ(block->pos(), onCanvas({320, 0}));
    for (int x = 40; x < 43; ++x)
        cell(x, 10) = 2; // what the block's entry-0 cells must overwrite
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(3, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(cell(40 + x, 10 + y), (x + 12 + y) % 3) << x << "," << y; // page rows 10-12
    EXPECT_EQ(cell(40, 13), (40 + 13) % 3);
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(s.toolMode, kToolRange);
    EXPECT_EQ(window.undoStack().count(), 1);
    window.undo();
    EXPECT_EQ(cell(40, 11), (40 + 11) % 3);
}

TEST_F(MainWindowBlock, RightDragAbandonsAMovedBlockAndRightClickDiscardsACopy)
{
    selectFromTopLeft(4, 2);
    const Document before = doc;
    clickTool(ToolButtons::kMove);
    EXPECT_EQ(window.state().toolMode, kToolFloating);
    press(Qt::RightButton, {300, 300});
    moveOnCanvas({310, 310}, Qt::RightButton);
    release(Qt::RightButton, {310, 310});
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(cell(0, 0) + cell(3, 1), 0); // the source stays erased
    EXPECT_EQ(cell(38, 31), before.PixelData(0, 38, 31)); // nothing pasted where it was dropped

    drag({3, 3}, {27, 33});
    clickTool(ToolButtons::kCopy);
    const Document copied = doc;
    QTest::mouseClick(block, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(doc == copied);
    EXPECT_FALSE(block->isVisible());
}

// A transform button reaches the floating block; erase reaches the page; the pen leaves the range.
TEST_F(MainWindowBlock, TransformAndEraseButtonsReachTheBlockAndThePage)
{
    selectFromTopLeft(3, 2);
    clickTool(ToolButtons::kCopy);
    clickTool(ToolButtons::kTurn);
    EXPECT_EQ(block->size(), QSize(16, 30));
    EXPECT_EQ(doc.blockBuffer(1, 2), 2); // old top row (0, 1, 2) becomes the right column

    selectFromTopLeft(2, 2);
    clickTool(ToolButtons::kErase);
    EXPECT_EQ(QList<int16_t>({cell(0, 0), cell(1, 0), cell(0, 1), cell(1, 1), cell(2, 0)}),
              QList<int16_t>({0, 0, 0, 0, 2}));
    EXPECT_EQ(window.undoStack().count(), 1);
    clickTool(ToolButtons::kPen);
    EXPECT_EQ(window.state().toolMode, kToolPen);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace vesk4
