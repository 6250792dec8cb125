// Drawing on the canvas with the pen: which cell a pointer position reaches, what each button
// writes, and what the canvas then shows.
#include "canvas/canvas_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowPen : public ShownWindowTest {
protected:
    // Positions are in the canvas's drawing area, inside its one-pixel border.
    static QPoint widgetPoint(QPoint p) { return p + QPoint(1, 1); }
    void press(Qt::MouseButton button, QPoint p) { QTest::mousePress(canvas, button, {}, widgetPoint(p)); }
    void release(Qt::MouseButton button, QPoint p)
    {
        QTest::mouseRelease(canvas, button, {}, widgetPoint(p));
    }
    void click(Qt::MouseButton button, QPoint p)
    {
        press(button, p);
        release(button, p);
    }
    // A move with exactly these buttons held, as the toolkit delivers it during a drag.
    void move(Qt::MouseButtons held, QPoint p)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(widgetPoint(p)),
                          canvas->mapToGlobal(QPointF(widgetPoint(p))), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }

    int16_t cell(int x, int y) const { return window.document().PixelData(0, x, y); }
    int16_t &cellRef(int x, int y) { return window.document().PixelData(0, x, y); }
    // The middle of view cell (column, row) on the off-screen canvas.
    QColor shown(int column, int row) const
    {
        return window.renderer().canvas().pixelColor(column * 8 + 4, row * 10 + 5);
    }
    void setColourMode(int mode)
    {
        window.document().ColorMode[0] = int16_t(mode);
        window.showCurrentPage();
    }

    PictureSurface *canvas = window.canvasView()->canvas();
};

TEST_F(MainWindowPen, LeftPressWritesTheCellNearestThePointer)
{
    press(Qt::LeftButton, {9, 9});
    EXPECT_EQ(cell(0, 0), 1);
    EXPECT_EQ(window.state().pointerCellX, 0);
    EXPECT_EQ(window.state().pointerCellY, 0);
    EXPECT_EQ(shown(0, 0), QColor(0, 0, 0)); // entry 1 is black

    press(Qt::LeftButton, {17, 9});
    EXPECT_EQ(cell(2, 0), 1);
    EXPECT_EQ(cell(1, 0), 0);

    // Halves go to the even cell: y = 30 is (30 - 5) / 10 = 2.5, row 2; x = 13 is column 1.
    press(Qt::LeftButton, {13, 30});
    EXPECT_EQ(window.state().pointerCellX, 1);
    EXPECT_EQ(window.state().pointerCellY, 2);
    EXPECT_EQ(cell(1, 2), 1);
}

TEST_F(MainWindowPen, PressAtTheLeftEdgeWritesTheMarginAndShowsNothingNew)
{
    const QImage before = window.renderer().canvas().copy();
    press(Qt::LeftButton, {0, 9});
    EXPECT_EQ(window.state().pointerCellX, -1);
    EXPECT_EQ(cell(-1, 0), 1);
    EXPECT_EQ(window.renderer().canvas(), before);
}

TEST_F(MainWindowPen, PressWritesIntoTheScrolledRow)
{
    window.canvasView()->scrollBar()->setValue(10);
    EXPECT_EQ(window.state().scrollRow, 10);
    press(Qt::LeftButton, {9, 9});
    EXPECT_EQ(cell(0, 10), 1);
    EXPECT_EQ(cell(0, 0), 0);
    EXPECT_EQ(shown(0, 0), QColor(0, 0, 0));
}

TEST_F(MainWindowPen, RightClicksOnATwoColourExPageCycleThroughTheRightEntries)
{
    setColourMode(4);
    std::vector<int16_t> seen;
    for (int i = 0; i < 3; ++i) {
        click(Qt::RightButton, {9, 9});
        seen.push_back(cell(0, 0));
    }
    EXPECT_EQ(seen, (std::vector<int16_t>{2, 0, 2}));

    // A cell holding the left entry takes the right entry.
    cellRef(1, 0) = 1;
    click(Qt::RightButton, {13, 9});
    EXPECT_EQ(cell(1, 0), 0);
}

TEST_F(MainWindowPen, RightClicksOnATwoColourPageWriteTheRightEntry)
{
    setColourMode(3);
    for (int i = 0; i < 3; ++i) {
        click(Qt::RightButton, {9, 9});
        EXPECT_EQ(cell(0, 0), 0);
    }
    cellRef(0, 0) = 2;
    click(Qt::RightButton, {9, 9});
    EXPECT_EQ(cell(0, 0), 0);
}

TEST_F(MainWindowPen, SecondRightPressWritesNothingUntilARelease)
{
    setColourMode(4);
    press(Qt::RightButton, {9, 9});
    EXPECT_EQ(cell(0, 0), 2);
    press(Qt::RightButton, {9, 9}); // the release of the first was lost
    EXPECT_EQ(cell(0, 0), 2);
    release(Qt::RightButton, {9, 9});
    EXPECT_EQ(window.state().pressedButton, 0);
    press(Qt::RightButton, {9, 9});
    EXPECT_EQ(cell(0, 0), 0);
    release(Qt::RightButton, {9, 9});
}

TEST_F(MainWindowPen, RightDragChangesOnlyCellsHoldingTheLeftEntry)
{
    setColourMode(4);
    cellRef(0, 0) = 1;
    cellRef(1, 0) = 0;
    cellRef(2, 0) = 2;
    for (int column = 0; column < 3; ++column)
        move(Qt::RightButton, {column * 8 + 4, 5});
    EXPECT_EQ(cell(0, 0), 0);
    EXPECT_EQ(cell(1, 0), 0);
    EXPECT_EQ(cell(2, 0), 2);

    // On a "2色" page the right drag writes the right entry everywhere.
    setColourMode(3);
    cellRef(2, 0) = 2;
    move(Qt::RightButton, {2 * 8 + 4, 5});
    EXPECT_EQ(cell(2, 0), 0);
}

TEST_F(MainWindowPen, LeftDragWritesEveryCellItPassesAndOtherButtonSetsWriteNothing)
{
    press(Qt::LeftButton, {4, 15});
    for (int column = 1; column < 4; ++column)
        QTest::mouseMove(canvas, widgetPoint({column * 8 + 4, 15}));
    release(Qt::LeftButton, {28, 15});
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(cell(column, 1), 1);
    QTest::mouseMove(canvas, widgetPoint({36, 15})); // no button held any more
    EXPECT_EQ(cell(4, 1), 0);

    move(Qt::LeftButton | Qt::RightButton, {4, 25});
    move(Qt::MiddleButton, {12, 25});
    move(Qt::NoButton, {20, 25});
    EXPECT_EQ(cell(0, 2), 0);
    EXPECT_EQ(cell(1, 2), 0);
    EXPECT_EQ(cell(2, 2), 0);
    click(Qt::MiddleButton, {4, 25});
    EXPECT_EQ(cell(0, 2), 0);
}

TEST_F(MainWindowPen, DraggingFarOutsideTheCanvasWritesNothing)
{
    const Document before = window.document();
    for (QPoint far :
         {QPoint(-100, 5), QPoint(5, -200), QPoint(4000, 5), QPoint(5, 5000), QPoint(-300000, 1000000)}) {
        move(Qt::LeftButton, far);
        click(Qt::LeftButton, far);
        click(Qt::RightButton, far);
    }
    EXPECT_TRUE(window.document() == before);
    EXPECT_EQ(window.state().pointerCellX, -32768); // far left saturates, never wraps back in
    EXPECT_EQ(window.state().pointerCellY, 32767);
}

TEST_F(MainWindowPen, EntryTwoShowsMidGreyOnTwoColourExAndWhiteOnTwoColour)
{
    cellRef(0, 0) = 2;
    setColourMode(4);
    EXPECT_EQ(shown(0, 0), QColor(128, 128, 128));
    setColourMode(3);
    EXPECT_EQ(shown(0, 0), QColor(255, 255, 255));
    // The thumbnail shows it white either way.
    EXPECT_EQ(window.renderer().thumbnail().pixelColor(0, 0), QColor(255, 255, 255));
}

} // namespace
} // namespace vesk4
