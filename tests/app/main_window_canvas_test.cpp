// The canvas tools through the window. The range and block tools: the canvas's and the floating
// block's mouse events and the tool buttons reach the tools, and what they do reaches the page and
// the undo history. The pen: which cell a pointer position reaches, what each button writes, and
// what the canvas then shows.
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
    MainMenu *menu = window.mainMenu();
};

TEST_F(MainWindowBlock, ScrolledRangeCopiesAndPastesPageRowsBelowTheScroll)
{
    window.canvasView()->scrollBar()->setSliderPosition(10);
    clickTool(ToolButtons::kRange);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    drag({3, 2 * 10 + 3}, {3 * 8 + 3, 5 * 10 + 3}); // view rows 2-4, columns 0-2

    clickTool(ToolButtons::kCopy); // the block floats over its source
    EXPECT_EQ(block->geometry(), QRect(onCanvas({0, 20}), QSize(24, 30)));
    moveOnCanvas({40 * 8 + 4, 5}, Qt::NoButton); // the block's top-left cell goes under the pointer
    QTest::mouseClick(block, Qt::LeftButton, {}, QPoint(3, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(cell(40 + x, 10 + y), (x + 12 + y) % 3) << x << "," << y; // page rows 10-12
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(window.state().toolMode, ToolMode::Range);
    EXPECT_EQ(window.undoStack().count(), 1);
}

// Undo while a moved block floats drops it, so no paste can double the source. A right drag drops
// a moved block unpasted, one undo step that, undone, shows its page and brings the source back. A
// right click on a copy discards it.
TEST_F(MainWindowBlock, UndoAndTheRightButtonTakeBackAFloatingBlock)
{
    selectFromTopLeft(4, 2);
    clickTool(ToolButtons::kMove);
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(window.state().toolMode, ToolMode::Range);
    EXPECT_EQ(cell(1, 0), 1);

    selectFromTopLeft(4, 2);
    const Document before = doc;
    clickTool(ToolButtons::kMove);
    press(Qt::RightButton, {300, 300});
    moveOnCanvas({310, 310}, Qt::RightButton);
    release(Qt::RightButton, {310, 310});
    EXPECT_FALSE(block->isVisible());
    EXPECT_EQ(cell(1, 0) + cell(3, 1), 0); // the source stays erased
    EXPECT_EQ(cell(38, 31), before.PixelData(0, 38, 31)); // nothing pasted where it was dropped
    clickPage(2);
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_TRUE(doc.PixelData == before.PixelData);
    EXPECT_EQ(window.undoStack().count(), 1);

    drag({3, 3}, {27, 33});
    clickTool(ToolButtons::kCopy);
    const Document copied = doc;
    QTest::mouseClick(block, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(doc == copied);
    EXPECT_FALSE(block->isVisible());
}

// The copy key floats the block with the menu's tool entries enabled as their buttons are; a
// transform button reaches the floating block; erase reaches the page.
TEST_F(MainWindowBlock, TransformAndEraseButtonsReachTheBlockAndThePage)
{
    selectFromTopLeft(3, 2);
    QTest::keyClick(&window, Qt::Key_C);
    for (int index = 0; index <= 8; ++index) // each menu entry is enabled exactly while its button is
        EXPECT_EQ(menu->toolAction(index)->isEnabled(), tools->toolButton(index)->isEnabled()) << index;
    clickTool(ToolButtons::kTurn);
    EXPECT_EQ(block->size(), QSize(16, 30));
    clickTool(ToolButtons::kInvert); // entry 0 becomes 1, every other entry 0
    EXPECT_EQ(QPoint(state.blockBuffer(1, 0), state.blockBuffer(1, 2)), QPoint(1, 0));

    selectFromTopLeft(2, 2);
    clickTool(ToolButtons::kErase);
    EXPECT_EQ(QList<int16_t>({cell(0, 0), cell(1, 0), cell(0, 1), cell(1, 1), cell(2, 0)}),
              QList<int16_t>({0, 0, 0, 0, 2}));
    EXPECT_EQ(window.undoStack().count(), 1);
}

using MainWindowPen = ShownWindowTest;

TEST_F(MainWindowPen, LeftPressWritesTheCellNearestThePointerBelowTheScroll)
{
    // Halves go to the even cell: x 17 is (17 - 5) / 8 = 1.5, column 2; y 30 is 2.5, row 2.
    const struct {
        QPoint at;
        int scroll, x, y;
    } cases[] = {{{9, 9}, 0, 0, 0}, {{17, 9}, 0, 2, 0}, {{13, 30}, 0, 1, 2}, {{9, 9}, 10, 0, 10}};
    for (const auto &c : cases) {
        window.canvasView()->scrollBar()->setSliderPosition(c.scroll);
        press(Qt::LeftButton, c.at);
        EXPECT_EQ(QPoint(window.state().pointerCellX, window.state().pointerCellY), QPoint(c.x, c.y));
        EXPECT_EQ(cell(c.x, c.y), 1) << c.x << "," << c.y;
    }
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 5), QColor(0, 0, 0)); // entry 1 is black

    // The left edge reaches the margin column, which the canvas does not show.
    const QImage before = window.renderer().canvas().copy();
    press(Qt::LeftButton, {0, 19});
    EXPECT_EQ(cell(-1, 11), 1);
    EXPECT_EQ(window.renderer().canvas(), before);
}

// The right button writes the right entry; on a "2色Ex" page a cell holding it takes the alternative
// entry, and a drag changes only cells holding the left entry.
TEST_F(MainWindowPen, RightButtonWritesByColourModeAndCell)
{
    const struct {
        int mode;
        bool drag;
        int16_t before, after;
    } cases[] = {{3, true, 2, 0},  {4, false, 0, 2}, {4, false, 2, 0},
                 {4, false, 1, 0}, {4, true, 1, 0},  {4, true, 2, 2}};
    for (const auto &c : cases) {
        doc.pages[0].colourMode = int16_t(c.mode);
        window.showCurrentPage();
        cell(0, 0) = c.before;
        if (c.drag)
            moveOnCanvas({4, 5}, Qt::RightButton);
        else
            click(Qt::RightButton, {4, 5});
        EXPECT_EQ(cell(0, 0), c.after) << c.mode << " " << c.drag << " " << c.before;
    }
    press(Qt::RightButton, {4, 5});
    press(Qt::RightButton, {4, 5}); // the release of the first was lost: no second write of entry 2
    EXPECT_EQ(cell(0, 0), 0);
    release(Qt::RightButton, {4, 5});
    EXPECT_EQ(window.state().pressedButton, 0);
}

// Far outside the canvas the pointer's cell saturates, never wrapping back in, and writes nothing.
TEST_F(MainWindowPen, LeftDragWritesEveryCellItPassesAndNothingElseWrites)
{
    press(Qt::LeftButton, {4, 15});
    for (int column = 1; column < 4; ++column)
        QTest::mouseMove(canvas, onCanvas({column * 8 + 4, 15}));
    release(Qt::LeftButton, {28, 15});
    moveOnCanvas({4, 25}, Qt::LeftButton | Qt::RightButton);
    click(Qt::MiddleButton, {20, 25});
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(cell(column, 1), column < 4 ? 1 : 0);
        EXPECT_EQ(cell(column, 2), 0);
    }
    const Document before = doc;
    for (QPoint far : {QPoint(-100, 5), QPoint(5, -200), QPoint(4000, 5), QPoint(-300000, 1000000)}) {
        moveOnCanvas(far, Qt::LeftButton);
        click(Qt::LeftButton, far);
    }
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(QPoint(window.state().pointerCellX, window.state().pointerCellY), QPoint(-32768, 32767));
}

} // namespace
} // namespace vesk4
