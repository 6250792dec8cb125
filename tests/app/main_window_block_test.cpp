// The range and block tools through the window: dragging a range on the canvas, the tool buttons,
// the floating block following the pointer, pasting and discarding it, and the transforms.
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"
#include "widgets/button_colour.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

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
                page(x, y) = int16_t((x + y) % 3);
    }

    static QPoint onCanvas(QPoint p) { return p + QPoint(1, 1); } // inside the border
    void clickTool(int index) { QTest::mouseClick(tools->toolButton(index), Qt::LeftButton); }
    // A left drag on the canvas from one drawing-area position to another.
    void dragRange(QPoint from, QPoint to)
    {
        QTest::mousePress(canvas, Qt::LeftButton, {}, onCanvas(from));
        QTest::mouseMove(canvas, onCanvas((from + to) / 2));
        QTest::mouseMove(canvas, onCanvas(to));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, onCanvas(to));
    }
    static void moveOver(QWidget *surface, QPoint p, Qt::MouseButtons held = Qt::NoButton)
    {
        sendMouseMove(surface, p, held);
    }
    int16_t &page(int x, int y) { return window.document().PixelData(0, x, y); }
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
    PictureSurface *canvas = window.canvasView()->canvas();
    BlockSurfaceView *block = window.canvasView()->floatingBlock();
};

TEST_F(MainWindowBlock, RangeDragSelectsTheCellsUpToThePointer)
{
    clickTool(1);
    EXPECT_EQ(window.state().toolMode, 1);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(colourOf(1), kLightGreen);
    EXPECT_EQ(colourOf(0), face());

    dragRange({3, 3}, {67, 83});
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

    // The reverse drag gives the same block.
    const std::vector<int16_t> forward = buffer(9, 9);
    dragRange({67, 83}, {3, 3});
    EXPECT_EQ(QRect(s.blockX, s.blockY, s.blockWidthCells, s.blockHeightCells), QRect(0, 0, 8, 8));
    EXPECT_EQ(buffer(9, 9), forward);
}

TEST_F(MainWindowBlock, ScrolledRangeCopiesAndPastesPageRowsBelowTheScroll)
{
    window.canvasView()->scrollBar()->setValue(10);
    clickTool(1);
    dragRange({3, 2 * 10 + 3}, {4 * 8 + 3, 6 * 10 + 3}); // view rows 2-5, columns 0-3
    EXPECT_EQ(window.state().blockHeightCells, 4);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(window.document().blockBuffer(1, y), (1 + 12 + y) % 3); // page rows 12-15

    clickTool(2); // copy: the block floats over its source
    EXPECT_TRUE(block->isVisible());
    EXPECT_EQ(blockPlace(), QPoint(0, 20));
    moveOver(canvas, {5, 5}); // the block's top-left cell goes under the pointer: view row 0
    EXPECT_EQ(blockPlace(), QPoint(0, 0));
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(3, 3));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(page(1, 10 + y), (1 + 12 + y) % 3) << y; // page rows 10-13
    EXPECT_EQ(page(1, 14), (1 + 14) % 3);
}

TEST_F(MainWindowBlock, MoveThenRightDragAbandonsTheBlock)
{
    clickTool(1);
    dragRange({3, 3}, {4 * 8 + 3, 2 * 10 + 3});
    const Document before = window.document();
    clickTool(3);
    EXPECT_EQ(window.state().toolMode, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(page(x, y), 0);

    QTest::mousePress(canvas, Qt::RightButton, {}, onCanvas({300, 300}));
    moveOver(canvas, {310, 310}, Qt::RightButton);
    QTest::mouseRelease(canvas, Qt::RightButton, {}, onCanvas({310, 310}));
    EXPECT_EQ(window.state().toolMode, 1);
    EXPECT_FALSE(block->isVisible());
    for (int index : {2, 3, 4})
        EXPECT_FALSE(tools->toolButton(index)->isEnabled());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(page(x, y), 0);
    EXPECT_EQ(page(38, 31), before.PixelData(0, 38, 31)); // nothing pasted where it was dropped
}

TEST_F(MainWindowBlock, FloatingBlockStopsAtTheCanvasEdgeAndShowsBlockColours)
{
    clickTool(1);
    dragRange({3, 3}, {84, 44}); // 10 x 4
    clickTool(2);
    moveOver(canvas, {60 * 8 + 4, 25});
    EXPECT_EQ(blockPlace(), QPoint(432, 20));
    EXPECT_EQ(block->size(), QSize(80, 40));

    // Entry 0 mid-grey, entries 1 and 2 blue-grey: cells (0, 0), (1, 0) and (2, 0) hold 0, 1, 2.
    const QImage shown = block->grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, 5), QColor(128, 128, 128));
    EXPECT_EQ(shown.pixelColor(12, 5), QColor(128, 128, 255));
    EXPECT_EQ(shown.pixelColor(20, 5), QColor(128, 128, 255));
}

TEST_F(MainWindowBlock, LeftClickOnTheBlockPastesAndRightClickDiscards)
{
    clickTool(1);
    dragRange({3, 3}, {3 * 8 + 3, 3 * 10 + 3}); // 3 x 3 at (0, 0)
    clickTool(2);
    moveOver(canvas, {40 * 8 + 4, 30 * 10 + 5});
    for (int y = 30; y < 33; ++y)
        for (int x = 40; x < 43; ++x)
            page(x, y) = 2; // what the block's entry-0 cells must overwrite
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(2, 2));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(page(40 + x, 30 + y), (x + y) % 3) << x << "," << y;
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(window.state().toolMode, 1);
    for (int index = 2; index <= 8; ++index) {
        EXPECT_FALSE(tools->toolButton(index)->isEnabled()) << index;
        EXPECT_EQ(colourOf(index), face()) << index;
    }

    dragRange({3, 3}, {3 * 8 + 3, 3 * 10 + 3});
    clickTool(2);
    moveOver(canvas, {50 * 8 + 4, 40 * 10 + 5});
    const Document before = window.document();
    QTest::mouseClick(block, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(window.document() == before);
    EXPECT_FALSE(block->isVisible());
}

TEST_F(MainWindowBlock, TransformsTurnMirrorAndInvertTheFloatingBlock)
{
    clickTool(1);
    dragRange({3, 3}, {3 * 8 + 3, 2 * 10 + 3}); // 3 x 2
    clickTool(2);
    const std::vector<int16_t> original = buffer(3, 2);
    for (int index = 5; index <= 8; ++index)
        EXPECT_EQ(colourOf(index), kLightYellow);

    clickTool(5);
    EXPECT_EQ(window.state().blockWidthCells, 2);
    EXPECT_EQ(window.state().blockHeightCells, 3);
    EXPECT_EQ(block->size(), QSize(16, 30));
    // Old top row (0, 1, 2) becomes the right column.
    EXPECT_EQ(buffer(2, 3), (std::vector<int16_t>{1, 0, 2, 1, 0, 2}));
    for (int i = 0; i < 3; ++i)
        clickTool(5);
    EXPECT_EQ(buffer(3, 2), original);
    clickTool(6);
    clickTool(6);
    clickTool(7);
    clickTool(7);
    EXPECT_EQ(buffer(3, 2), original);

    clickTool(8);
    EXPECT_EQ(buffer(3, 2), (std::vector<int16_t>{1, 0, 0, 0, 0, 1}));
    clickTool(8);
    EXPECT_EQ(buffer(3, 2), (std::vector<int16_t>{0, 1, 1, 1, 1, 0})); // the 2s end as 1
    EXPECT_EQ(window.state().toolMode, 2);
}

TEST_F(MainWindowBlock, RangeAfterCopyAndEraseLeaveTheButtonsAsDesigned)
{
    clickTool(1);
    dragRange({3, 3}, {19, 23});
    clickTool(2);
    clickTool(1);
    EXPECT_EQ(colourOf(2), kLightGreen);
    for (int index = 5; index <= 8; ++index)
        EXPECT_EQ(colourOf(index), kLightYellow);
    for (int index = 2; index <= 8; ++index)
        EXPECT_FALSE(tools->toolButton(index)->isEnabled());
    EXPECT_FALSE(block->isVisible());

    dragRange({3, 3}, {19, 23}); // 2 x 2
    clickTool(4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(page(x, y), 0);
    EXPECT_EQ(page(2, 0), 2);
    EXPECT_EQ(window.state().toolMode, 1);
    for (int index = 2; index <= 4; ++index)
        EXPECT_EQ(colourOf(index), face());
    dragRange({3, 3}, {19, 23}); // the range tool is ready at once
    EXPECT_TRUE(tools->toolButton(2)->isEnabled());

    clickTool(0);
    EXPECT_EQ(window.state().toolMode, 0);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(colourOf(0), kLightGreen);
    EXPECT_FALSE(tools->toolButton(2)->isEnabled());
}

TEST_F(MainWindowBlock, DragsFarOutsideTheCanvasStayInsideTheStore)
{
    clickTool(1);
    QTest::mousePress(canvas, Qt::LeftButton, {}, onCanvas({100, 100}));
    QTest::mouseMove(canvas, QPoint(-50000, -50000));
    QTest::mouseMove(canvas, QPoint(90000, 90000));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(90000, 90000));
    EXPECT_EQ(window.state().blockWidthCells, 64 - 12);
    EXPECT_EQ(window.state().blockHeightCells, 64 - 10);
    clickTool(3);
    moveOver(canvas, {-70000, -70000});
    EXPECT_EQ(blockPlace(), QPoint(0, 0));
    moveOver(canvas, {70000, 70000});
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(window.state().toolMode, 1);
}

} // namespace
} // namespace vesk4
