// Drawing on the canvas with the pen: which cell a pointer position reaches, what each button
// writes, and what the canvas then shows.
#include "shown_window.h"

namespace vesk4 {
namespace {

using MainWindowPen = ShownWindowTest;

TEST_F(MainWindowPen, LeftPressWritesTheCellNearestThePointerBelowTheScroll)
{
    // Halves go to the even cell: x 17 is (17 - 5) / 8 = 1.5, column 2; y 30 is 2.5, row 2.
    const struct {
        QPoint at;
        int scroll, x, y;
    } cases[] = {{{9, 9}, 0, 0, 0}, {{17, 9}, 0, 2, 0}, {{13, 30}, 0, 1, 2}, {{9, 9}, 10, 0, 10}};
    for (const auto &c : cases) {
        window.canvasView()->scrollBar()->setValue(c.scroll);
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
    } cases[] = {{3, false, 0, 0}, {3, true, 2, 0}, {4, false, 0, 2}, {4, false, 2, 0},
                 {4, false, 1, 0}, {4, true, 1, 0}, {4, true, 2, 2}};
    for (const auto &c : cases) {
        doc.ColorMode[0] = int16_t(c.mode);
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

TEST_F(MainWindowPen, LeftDragWritesEveryCellItPassesAndOtherButtonSetsWriteNothing)
{
    press(Qt::LeftButton, {4, 15});
    for (int column = 1; column < 4; ++column)
        QTest::mouseMove(canvas, onCanvas({column * 8 + 4, 15}));
    release(Qt::LeftButton, {28, 15});
    QTest::mouseMove(canvas, onCanvas({36, 15})); // no button held any more
    moveOnCanvas({4, 25}, Qt::LeftButton | Qt::RightButton);
    moveOnCanvas({12, 25}, Qt::MiddleButton);
    click(Qt::MiddleButton, {20, 25});
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(cell(column, 1), column < 4 ? 1 : 0);
        EXPECT_EQ(cell(column, 2), 0);
    }
}

TEST_F(MainWindowPen, DraggingFarOutsideTheCanvasWritesNothing)
{
    const Document before = doc;
    for (QPoint far : {QPoint(-100, 5), QPoint(5, -200), QPoint(4000, 5), QPoint(-300000, 1000000)}) {
        moveOnCanvas(far, Qt::LeftButton);
        click(Qt::LeftButton, far);
        click(Qt::RightButton, far);
    }
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(window.state().pointerCellX, -32768); // far left saturates, never wraps back in
    EXPECT_EQ(window.state().pointerCellY, 32767);
}

} // namespace
} // namespace vesk4
