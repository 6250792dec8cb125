// The range and block tools through the window: dragging a range on the canvas, the tool buttons,
// the floating block following the pointer, pasting and discarding it, and the transforms.

#include "shown_window.h"

namespace vesk4 {
namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);

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
    QColor colourOf(int index) const { return buttonBackground(tools->toolButton(index)); }
    std::vector<int16_t> buffer(int width, int height) const
    {
        std::vector<int16_t> cells;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                cells.push_back(doc.blockBuffer(x, y));
        return cells;
    }

    BlockSurfaceView *block = window.canvasView()->floatingBlock();
    const QColor face = QApplication::palette().color(QPalette::Button);
};

TEST_F(MainWindowBlock, ScrolledRangeCopiesAndPastesPageRowsBelowTheScroll)
{
    window.canvasView()->scrollBar()->setValue(10);
    clickTool(ToolButtons::kRange);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(colourOf(ToolButtons::kRange), kLightGreen);
    drag({3, 2 * 10 + 3}, {3 * 8 + 3, 5 * 10 + 3}); // view rows 2-4, columns 0-2
    const EditorState &s = window.state();
    EXPECT_EQ(QRect(s.blockX, s.blockY, s.blockWidthCells, s.blockHeightCells), QRect(0, 2, 3, 3));
    EXPECT_EQ(buffer(1, 4), (std::vector<int16_t>{0, 1, 2, 0})); // page rows 12-15, the extra row too
    EXPECT_TRUE(tools->toolButton(ToolButtons::kErase)->isEnabled());
    EXPECT_EQ(colourOf(ToolButtons::kErase), kLightYellow);
    // The red outline stays on the canvas until the next repaint.
    EXPECT_EQ(window.renderer().canvas().pixelColor(8, 50), QColor(255, 0, 0));

    clickTool(ToolButtons::kCopy); // the block floats over its source
    EXPECT_EQ(block->geometry(), QRect(onCanvas({0, 20}), QSize(24, 30)));
    // Entry 0 mid-grey, entries 1 and 2 blue-grey: its top row holds 0, 1, 2.
    const QImage shown = block->grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, 5), QColor(128, 128, 128));
    EXPECT_EQ(shown.pixelColor(20, 5), QColor(128, 128, 255));
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
    for (int index = 2; index <= 8; ++index) {
        EXPECT_FALSE(tools->toolButton(index)->isEnabled()) << index;
        EXPECT_EQ(colourOf(index), face) << index;
    }
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
    EXPECT_FALSE(tools->toolButton(ToolButtons::kCopy)->isEnabled());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(cell(x, y), 0); // the source stays erased
    EXPECT_EQ(cell(38, 31), before.PixelData(0, 38, 31)); // nothing pasted where it was dropped

    drag({3, 3}, {27, 33});
    clickTool(ToolButtons::kCopy);
    const Document copied = doc;
    QTest::mouseClick(block, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(doc == copied);
    EXPECT_FALSE(block->isVisible());
}

TEST_F(MainWindowBlock, TransformsTurnAndInvertTheBlockAndEraseKeepsTheRangeTool)
{
    selectFromTopLeft(3, 2);
    clickTool(ToolButtons::kCopy);
    clickTool(ToolButtons::kTurn);
    EXPECT_EQ(block->size(), QSize(16, 30));
    // Old top row (0, 1, 2) becomes the right column.
    EXPECT_EQ(buffer(2, 3), (std::vector<int16_t>{1, 0, 2, 1, 0, 2}));
    clickTool(ToolButtons::kTurn);
    clickTool(ToolButtons::kInvert);
    // Turned twice: (0, 2, 1) over (2, 1, 0); the 2s end as 1 after a second inversion.
    EXPECT_EQ(buffer(3, 2), (std::vector<int16_t>{1, 0, 0, 0, 0, 1}));
    clickTool(ToolButtons::kInvert);
    EXPECT_EQ(buffer(3, 2), (std::vector<int16_t>{0, 1, 1, 1, 1, 0}));
    EXPECT_EQ(window.state().toolMode, kToolFloating);

    selectFromTopLeft(2, 2);
    clickTool(ToolButtons::kErase);
    EXPECT_EQ(QList<int16_t>({cell(0, 0), cell(1, 0), cell(0, 1), cell(1, 1), cell(2, 0)}),
              QList<int16_t>({0, 0, 0, 0, 2}));
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_EQ(colourOf(ToolButtons::kErase), face);
    drag({3, 3}, {19, 23}); // the range tool is ready at once
    EXPECT_TRUE(tools->toolButton(ToolButtons::kCopy)->isEnabled());

    clickTool(ToolButtons::kPen);
    EXPECT_EQ(window.state().toolMode, kToolPen);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(colourOf(ToolButtons::kPen), kLightGreen);
    EXPECT_FALSE(tools->toolButton(ToolButtons::kCopy)->isEnabled());
}

} // namespace
} // namespace vesk4
