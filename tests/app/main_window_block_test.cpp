// The range and block tools through the window: dragging a range on the canvas, the tool buttons,
// the floating block following the pointer, pasting and discarding it, and the transforms.
#include "widgets/button_colour.h"

#include <QScrollBar>

#include "shown_window.h"

namespace vesk4 {
namespace {

const QColor kLightGreen(0xC0, 0xFF, 0xC0);
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
    QColor face() const { return QApplication::palette().color(QPalette::Button); }
    // The floating block's top-left corner in the canvas's drawing area.
    QPoint blockPlace() const { return block->pos() - QPoint(1, 1); }
    std::vector<int16_t> buffer(int width, int height) const
    {
        std::vector<int16_t> cells;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                cells.push_back(window.document().blockBuffer(x, y));
        return cells;
    }

    ToolPanel *tools = window.toolPanel();
    BlockSurfaceView *block = window.canvasView()->floatingBlock();
};

TEST_F(MainWindowBlock, RangeDragSelectsTheCellsUpToThePointer)
{
    selectFromTopLeft(8, 8);
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(colourOf(ToolButtons::kRange), kLightGreen);
    EXPECT_EQ(colourOf(ToolButtons::kPen), face());
    const EditorState &s = window.state();
    EXPECT_EQ(QRect(s.blockX, s.blockY, s.blockWidthCells, s.blockHeightCells), QRect(0, 0, 8, 8));
    for (int y = 0; y <= 8; ++y) // the extra column and row too
        for (int x = 0; x <= 8; ++x)
            ASSERT_EQ(window.document().blockBuffer(x, y), (x + y) % 3) << x << "," << y;
    for (int index : {2, 3, 4}) {
        EXPECT_TRUE(tools->toolButton(index)->isEnabled()) << index;
        EXPECT_EQ(colourOf(index), kLightYellow) << index;
    }
    // The red outline stays on the canvas until the next repaint.
    EXPECT_EQ(window.renderer().canvas().pixelColor(32, 80), QColor(255, 0, 0));
}

TEST_F(MainWindowBlock, ScrolledRangeCopiesAndPastesPageRowsBelowTheScroll)
{
    window.canvasView()->scrollBar()->setValue(10);
    clickTool(ToolButtons::kRange);
    drag({3, 2 * 10 + 3}, {4 * 8 + 3, 6 * 10 + 3}); // view rows 2-5, columns 0-3
    EXPECT_EQ(window.state().blockHeightCells, 4);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(window.document().blockBuffer(1, y), (1 + 12 + y) % 3); // page rows 12-15

    clickTool(ToolButtons::kCopy); // the block floats over its source
    EXPECT_TRUE(block->isVisible());
    EXPECT_EQ(blockPlace(), QPoint(0, 20));
    moveOnCanvas({5, 5}, Qt::NoButton); // the block's top-left cell goes under the pointer: view row 0
    EXPECT_EQ(blockPlace(), QPoint(0, 0));
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(3, 3));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(cell(1, 10 + y), (1 + 12 + y) % 3) << y; // page rows 10-13
    EXPECT_EQ(cell(1, 14), (1 + 14) % 3);
}

TEST_F(MainWindowBlock, MoveThenRightDragAbandonsTheBlock)
{
    selectFromTopLeft(4, 2);
    const Document before = window.document();
    clickTool(ToolButtons::kMove);
    EXPECT_EQ(window.state().toolMode, kToolFloating);
    press(Qt::RightButton, {300, 300});
    moveOnCanvas({310, 310}, Qt::RightButton);
    release(Qt::RightButton, {310, 310});
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_FALSE(block->isVisible());
    for (int index : {2, 3, 4})
        EXPECT_FALSE(tools->toolButton(index)->isEnabled());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(cell(x, y), 0); // the source stays erased
    EXPECT_EQ(cell(38, 31), before.PixelData(0, 38, 31)); // nothing pasted where it was dropped
}

TEST_F(MainWindowBlock, LeftClickOnTheBlockPastesAndRightClickDiscards)
{
    selectFromTopLeft(3, 3);
    clickTool(ToolButtons::kCopy);
    // Entry 0 mid-grey, entries 1 and 2 blue-grey: cells (0, 0), (1, 0) and (2, 0) hold 0, 1, 2.
    const QImage shown = block->grab().toImage();
    EXPECT_EQ(block->size(), QSize(24, 30));
    EXPECT_EQ(shown.pixelColor(4, 5), QColor(128, 128, 128));
    EXPECT_EQ(shown.pixelColor(20, 5), QColor(128, 128, 255));

    moveOnCanvas({40 * 8 + 4, 30 * 10 + 5}, Qt::NoButton);
    for (int y = 30; y < 33; ++y)
        for (int x = 40; x < 43; ++x)
            cell(x, y) = 2; // what the block's entry-0 cells must overwrite
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(2, 2));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(cell(40 + x, 30 + y), (x + y) % 3) << x << "," << y;
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(window.state().toolMode, kToolRange);
    for (int index = 2; index <= 8; ++index) {
        EXPECT_FALSE(tools->toolButton(index)->isEnabled()) << index;
        EXPECT_EQ(colourOf(index), face()) << index;
    }

    drag({3, 3}, {3 * 8 + 3, 3 * 10 + 3});
    clickTool(ToolButtons::kCopy);
    const Document before = window.document();
    QTest::mouseClick(block, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(window.document() == before);
    EXPECT_FALSE(block->isVisible());
}

TEST_F(MainWindowBlock, TransformsTurnAndInvertTheFloatingBlock)
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
}

TEST_F(MainWindowBlock, EraseClearsTheRangeAndKeepsTheRangeToolAndThePenEndsIt)
{
    selectFromTopLeft(2, 2);
    clickTool(ToolButtons::kErase);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(cell(x, y), 0);
    EXPECT_EQ(cell(2, 0), 2);
    EXPECT_EQ(window.state().toolMode, kToolRange);
    for (int index = 2; index <= 4; ++index)
        EXPECT_EQ(colourOf(index), face());
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
