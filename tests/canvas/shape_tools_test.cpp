// The pointer's cells, the shape and fill tools and the range shift, without widgets. The window's
// tests drive the same through real widgets: choosing the tools, undo, Escape and the shift entries.
#include "canvas/canvas_tools.h"

#include "canvas/cell_shapes.h"

#include <gtest/gtest.h>

#include "started_block_tools.h"

namespace vesk4 {
namespace {

TEST_F(StartedBlockTools, PointerCellsFollowThePenRuleAndStopAtTheVisibleEdge)
{
    const struct {
        double x, y;
        int scroll;
        QPoint cell, visible, view;
    } table[] = {
        {9, 9, 0, {0, 0}, {0, 0}, {1, 0}},
        {17, 30, 0, {2, 2}, {2, 2}, {2, 3}}, // halves to even: 1.5 and 2.5
        {0, 5, 0, {-1, 0}, {0, 0}, {0, 0}},
        {9, 9, 10, {0, 10}, {0, 10}, {1, 0}},
        {-400, -400, 10, {-51, -30}, {0, 10}, {-50, -40}},
        {5000, 5000, 128, {624, 628}, {63, 191}, {625, 500}},
        {1e300, -1e300, 0, {32767, -32768}, {63, 0}, {32767, -32768}},
    };
    for (const auto &t : table) {
        state.scrollRow = int16_t(t.scroll);
        const ToolPointer at = trackPointer(state, t.x, t.y);
        EXPECT_EQ(
            QList<QPoint>({at.cell, at.visibleCell, at.viewCell, {state.pointerCellX, state.pointerCellY}}),
            QList<QPoint>({t.cell, t.visible, t.view, t.cell}))
            << t.x << "," << t.y;
    }
}

class ShapeToolsTest : public StartedBlockTools {
protected:
    void SetUp() override { shapes.setJournal(&journal); }
    // The pointer over the middle of view cell (x, y).
    ToolPointer cellAt(int x, int y) { return toolPointer(state, 8 * x + 5, 10 * y + 5); }
    QRgb canvasAt(int x, int y) const { return renderer.canvas().pixel(8 * x + 4, 10 * y + 5); }
    QRgb thumbnailAt(int x, int y) const { return renderer.thumbnail().pixel(2 * x, 3 * y + 1); }

    CellChanges journal;
    CanvasTools shapes{doc, state, renderer};
};

// The shape shows on canvas and thumbnail while it is dragged and reaches the page on release.
TEST_F(ShapeToolsTest, AShapeShowsWhileDraggedAndIsWrittenOnRelease)
{
    const Refresh shown{.canvas = true, .thumbnail = true};
    const struct {
        int button;
        ToolMode mode;
        QString step;
        std::vector<QPoint> cells; // from (2, 1) to (5, 3)
    } table[] = {
        {ToolButtons::kLine, ToolMode::Line, QStringLiteral("Line"), lineCells({2, 1}, {5, 3})},
        {ToolButtons::kRectangle, ToolMode::Rectangle, QStringLiteral("Rectangle"),
         rectangleOutlineCells({2, 1}, {5, 3})},
        {ToolButtons::kFilledRectangle, ToolMode::FilledRectangle, QStringLiteral("Filled rectangle"),
         filledRectangleCells({2, 1}, {5, 3})},
    };
    for (const auto &t : table) {
        SCOPED_TRACE(t.button);
        doc.PixelData = PagedCellStore();
        tools.toolButtonClicked(t.button);
        ASSERT_EQ(state.toolMode, t.mode);
        CanvasTool &tool = shapes.current();
        EXPECT_EQ(tool.press(cellAt(2, 1), kLeftButton), ToolOutcome{.refresh = shown});
        EXPECT_EQ(tool.press(cellAt(9, 9), kRightButton), ToolOutcome{}); // a second button starts nothing
        EXPECT_EQ(tool.move(cellAt(5, 3), kLeftButton | kRightButton), ToolOutcome{.refresh = shown});
        for (const QPoint &p : t.cells) {
            EXPECT_EQ(canvasAt(p.x(), p.y()), qRgb(0, 0, 0)) << p.x() << "," << p.y();
            EXPECT_EQ(thumbnailAt(p.x(), p.y()), qRgb(0, 0, 0));
        }
        EXPECT_EQ(canvasAt(3, 0), qRgb(255, 255, 255));
        EXPECT_EQ(doc.PixelData, PagedCellStore()); // nothing written yet
        EXPECT_EQ(tool.release(cellAt(9, 9), kRightButton), ToolOutcome{});
        EXPECT_EQ(tool.release(cellAt(5, 3), kLeftButton), (ToolOutcome{.refresh = shown, .step = t.step}));
        EXPECT_EQ(int(journal.take().size()), int(t.cells.size()));
        for (const QPoint &p : t.cells)
            EXPECT_EQ(doc.PixelData(0, p.x(), p.y()), 1);
    }
}

// The right button draws the right entry; cancel drops the drag; middle draws nothing; a lost
// release ends the drag at the next move; beyond the canvas the shape stops at its edge.
TEST_F(ShapeToolsTest, ButtonsCancelAndTheCanvasEdge)
{
    tools.toolButtonClicked(ToolButtons::kLine);
    CanvasTool &line = shapes.current();
    const QImage before = renderer.canvas().copy();
    line.press(cellAt(1, 1), kRightButton);
    line.move(cellAt(4, 1), kRightButton);
    EXPECT_EQ(line.cancel(), (ToolOutcome{.refresh = {.canvas = true, .thumbnail = true}}));
    EXPECT_EQ(renderer.canvas(), before);
    EXPECT_EQ(line.release(cellAt(4, 1), kRightButton), ToolOutcome{});
    EXPECT_EQ(line.cancel(), ToolOutcome{});
    EXPECT_EQ(line.press(cellAt(1, 1), kMiddleButton), ToolOutcome{});
    EXPECT_TRUE(journal.empty());

    state.rightPenEntry = 2;
    line.press(cellAt(1, 1), kRightButton);
    EXPECT_EQ(line.move(cellAt(3, 1), 0).step, QStringLiteral("Line"));
    EXPECT_EQ(doc.PixelData(0, 3, 1), 2);
    state.scrollRow = 100;
    line.press(toolPointer(state, -50, 295), kLeftButton);
    line.release(toolPointer(state, 900, 295), kLeftButton);
    EXPECT_EQ(doc.PixelData(0, 0, 129) + doc.PixelData(0, 63, 129), 2);
    EXPECT_EQ(doc.PixelData(0, -1, 129) + doc.PixelData(0, 64, 129), 0);
}

TEST_F(ShapeToolsTest, FillFillsTheRegionUnderThePointerAcrossTheWholeSheet)
{
    for (int y = 0; y < kSheetHeight; ++y)
        doc.PixelData(0, 20, y) = 1;
    tools.toolButtonClicked(ToolButtons::kFill);
    CanvasTool &fill = shapes.current();
    EXPECT_EQ(fill.press(cellAt(30, 5), kLeftButton),
              (ToolOutcome{.refresh = {.canvas = true, .thumbnail = true}, .step = QStringLiteral("Fill")}));
    EXPECT_EQ(journal.take().size(), std::size_t(43 * 256));
    EXPECT_EQ(QPoint(doc.PixelData(0, 63, 255), doc.PixelData(0, 19, 0)), QPoint(1, 0));
    EXPECT_EQ(fill.press(cellAt(30, 5), kLeftButton), ToolOutcome{}); // already the left entry
    EXPECT_EQ(fill.press(cellAt(30, 5), kMiddleButton), ToolOutcome{});
    state.rightPenEntry = 2;
    fill.press(toolPointer(state, -100, 5), kRightButton); // beyond the canvas: the cell at its edge
    EXPECT_EQ(QPoint(doc.PixelData(0, 19, 255), doc.PixelData(0, 63, 255)), QPoint(2, 1));
}

// Shifting moves the cells of the drawn range with wrap-around, keeps the range and its outline,
// and lets a copy take what the range now holds.
TEST_F(ShapeToolsTest, ShiftMovesTheRangesCellsAndKeepsTheRange)
{
    EXPECT_EQ(tools.shiftRange(ShiftDirection::Up), Refresh{}); // no range drawn
    state.scrollRow = 10;
    for (int x = 0; x < 3; ++x)
        doc.PixelData(0, 2 + x, 11) = int16_t(x + 1); // view row 1, columns 2-4
    selectRange(2, 1, 5, 3);
    EXPECT_EQ(tools.shiftRange(ShiftDirection::Down), (Refresh{.canvas = true, .thumbnail = true}));
    EXPECT_EQ(QPoint(doc.PixelData(0, 2, 11), doc.PixelData(0, 2, 12)), QPoint(0, 1));
    tools.shiftRange(ShiftDirection::Right);
    tools.shiftRange(ShiftDirection::Down); // back round to the first row
    EXPECT_EQ(QList<int16_t>({doc.PixelData(0, 2, 11), doc.PixelData(0, 3, 11), doc.PixelData(0, 4, 11)}),
              QList<int16_t>({3, 1, 2}));
    EXPECT_EQ(state.blockBuffer(0, 0), 3);
    EXPECT_TRUE(tools.rangeDrawn());
    EXPECT_EQ(renderer.canvas().pixel(16, 10), kRangeOutlineColour);
    tools.toolButtonClicked(ToolButtons::kErase);
    EXPECT_EQ(tools.shiftRange(ShiftDirection::Left), Refresh{});
}

} // namespace
} // namespace vesk4
