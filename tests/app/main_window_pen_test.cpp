// Drawing on the canvas with the pen: which cell a pointer position reaches, what each button
// writes, and what the canvas then shows.
#include <QScrollBar>

#include "shown_window.h"

namespace vesk4 {
namespace {

const QColor kBlack(0, 0, 0);

class MainWindowPen : public ShownWindowTest {
protected:
    void setColourMode(int mode)
    {
        window.document().ColorMode[0] = int16_t(mode);
        window.showCurrentPage();
    }
    QColor shown(int column, int row) const
    {
        return window.renderer().canvas().pixelColor(column * 8 + 4, row * 10 + 5);
    }
};

TEST_F(MainWindowPen, LeftPressWritesTheCellNearestThePointer)
{
    // Halves go to the even cell: x 17 is (17 - 5) / 8 = 1.5, column 2; y 30 is 2.5, row 2.
    const struct {
        QPoint at;
        int x, y;
    } cases[] = {{{9, 9}, 0, 0}, {{17, 9}, 2, 0}, {{13, 30}, 1, 2}};
    for (const auto &c : cases) {
        press(Qt::LeftButton, c.at);
        EXPECT_EQ(QPoint(window.state().pointerCellX, window.state().pointerCellY), QPoint(c.x, c.y));
        EXPECT_EQ(cell(c.x, c.y), 1) << c.x << "," << c.y;
    }
    EXPECT_EQ(cell(1, 0), 0);
    EXPECT_EQ(shown(0, 0), kBlack); // entry 1 is black

    // The left edge reaches the margin column, which the canvas does not show.
    const QImage before = window.renderer().canvas().copy();
    press(Qt::LeftButton, {0, 19});
    EXPECT_EQ(cell(-1, 1), 1);
    EXPECT_EQ(window.renderer().canvas(), before);

    window.canvasView()->scrollBar()->setValue(10);
    cell(0, 0) = 0;
    press(Qt::LeftButton, {9, 9});
    EXPECT_EQ(cell(0, 10), 1);
    EXPECT_EQ(cell(0, 0), 0);
    EXPECT_EQ(shown(0, 0), kBlack);
}

// The right button writes the right entry; on a "2色Ex" page a cell holding it takes the alternative
// entry, and a drag changes only cells holding the left entry.
TEST_F(MainWindowPen, RightButtonWritesByColourModeAndCell)
{
    const struct {
        int mode;
        bool drag;
        int16_t before, after;
    } cases[] = {{4, false, 0, 2}, {4, false, 2, 0}, {4, false, 1, 0}, {3, false, 0, 0},
                 {4, true, 1, 0},  {4, true, 2, 2},  {3, true, 2, 0}};
    for (const auto &c : cases) {
        setColourMode(c.mode);
        cell(0, 0) = c.before;
        if (c.drag)
            moveOnCanvas({4, 5}, Qt::RightButton);
        else
            click(Qt::RightButton, {4, 5});
        EXPECT_EQ(cell(0, 0), c.after) << c.mode << " " << c.drag << " " << c.before;
    }
}

TEST_F(MainWindowPen, SecondRightPressWritesNothingUntilARelease)
{
    setColourMode(4);
    press(Qt::RightButton, {9, 9});
    press(Qt::RightButton, {9, 9}); // the release of the first was lost
    EXPECT_EQ(cell(0, 0), 2);
    release(Qt::RightButton, {9, 9});
    EXPECT_EQ(window.state().pressedButton, 0);
    click(Qt::RightButton, {9, 9});
    EXPECT_EQ(cell(0, 0), 0);
}

TEST_F(MainWindowPen, LeftDragWritesEveryCellItPassesAndOtherButtonSetsWriteNothing)
{
    press(Qt::LeftButton, {4, 15});
    for (int column = 1; column < 4; ++column)
        QTest::mouseMove(canvas, onCanvas({column * 8 + 4, 15}));
    release(Qt::LeftButton, {28, 15});
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(cell(column, 1), 1);
    QTest::mouseMove(canvas, onCanvas({36, 15})); // no button held any more
    EXPECT_EQ(cell(4, 1), 0);

    moveOnCanvas({4, 25}, Qt::LeftButton | Qt::RightButton);
    moveOnCanvas({12, 25}, Qt::MiddleButton);
    click(Qt::MiddleButton, {20, 25});
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(cell(column, 2), 0);
}

TEST_F(MainWindowPen, DraggingFarOutsideTheCanvasWritesNothing)
{
    const Document before = window.document();
    for (QPoint far :
         {QPoint(-100, 5), QPoint(5, -200), QPoint(4000, 5), QPoint(5, 5000), QPoint(-300000, 1000000)}) {
        moveOnCanvas(far, Qt::LeftButton);
        click(Qt::LeftButton, far);
        click(Qt::RightButton, far);
    }
    EXPECT_TRUE(window.document() == before);
    EXPECT_EQ(window.state().pointerCellX, -32768); // far left saturates, never wraps back in
    EXPECT_EQ(window.state().pointerCellY, 32767);
}

} // namespace
} // namespace vesk4
