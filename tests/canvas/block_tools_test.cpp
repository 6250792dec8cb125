// The range and block tools and the tool buttons' handlers, without widgets. The window's block and
// tool-button tests drive the same through real widgets: captions, start shades, the capture, the
// quarter turn, black/white, pasting and dropping the block.
#include "canvas/block_tools.h"

#include <gtest/gtest.h>

#include "started_block_tools.h"

#include <cmath>
#include <functional>
#include <limits>

namespace vesk4 {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class BlockToolsTest : public StartedBlockTools {
protected:
    // Page 0 from cell (0, y0): first, first + 1, … along a row, 16 more down a column.
    void fillPage(int y0, int w, int h, int first)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                doc.PixelData(0, x, y0 + y) = int16_t(first + x + 16 * y);
    }
    QSize blockSize() const { return QSize(state.blockWidthCells, state.blockHeightCells); }
    QRect surface() const
    {
        const BlockSurface &s = tools.floatingBlock();
        return QRect(s.left, s.top, s.width, s.height);
    }
    // Shades and enabled states of buttons 0-8: F face, A active, Y applicable; upper case enabled.
    std::string looks() const
    {
        std::string out;
        for (int i = 0; i <= ToolButtons::kInvert; ++i) {
            const ToolButton &button = tools.tools().toolButton(i);
            const char c = "FAY"[int(button.shade)];
            out += button.enabled ? c : char(c - 'A' + 'a');
        }
        return out;
    }
    // The canvas is a fresh repaint but for the outline's pixels, which are red.
    void expectOutline(const std::function<bool(int x, int y)> &outline)
    {
        CanvasRenderer reference(state);
        reference.redraw(doc, state);
        for (int y = 0; y < 640; ++y)
            for (int x = 0; x < 512; ++x)
                ASSERT_EQ(renderer.canvas().pixel(x, y),
                          outline(x, y) ? kRangeOutlineColour : reference.canvas().pixel(x, y))
                    << x << "," << y;
    }
};

TEST_F(BlockToolsTest, RangeGridPointRoundsHalfToEvenAndStaysOnTheView)
{
    state.scrollRow = 30; // no scroll is added
    const struct {
        double x, y;
        int column, row;
    } table[] = {
        {3, 3, 0, 0},   {11, 13, 1, 1},     {8, 9, 0, 0},     {16, 19, 2, 2},       {24, 29, 2, 2},
        {67, 83, 8, 8}, {515, 643, 64, 64}, {-3, -100, 0, 0}, {1e300, kNaN, 64, 0}, {kNaN, 1e300, 0, 64},
    };
    for (const auto &t : table)
        EXPECT_EQ(rangeGridPoint(state, t.x, t.y), QPoint(t.column, t.row)) << t.x << "," << t.y;
}

TEST_F(BlockToolsTest, OnlyTheLeftButtonDragsARangeItsOutlineIsRedAndItsFarColumnAndRowAreCaptured)
{
    fillPage(0, 10, 10, 100);
    tools.toolButtonClicked(ToolButtons::kRange);
    EXPECT_EQ(tools.press(toolPointer(state, 67, 83), kLeftButton).refresh, Refresh{});
    EXPECT_EQ(tools.press(toolPointer(state, 200, 200), kRightButton).refresh, Refresh{});
    EXPECT_EQ(tools.move(toolPointer(state, 200, 200), kLeftButton | kRightButton).refresh, Refresh{});
    tools.move(toolPointer(state, 500, 500), kLeftButton); // an outline the next move must paint over
    EXPECT_EQ(tools.move(toolPointer(state, 3, 3), kLeftButton).refresh, Refresh{.canvas = true});
    expectOutline(
        [](int x, int y) { return ((y == 0 || y == 80) && x <= 64) || ((x == 0 || x == 64) && y <= 80); });
    EXPECT_EQ(tools.release(toolPointer(state, 3, 3), kRightButton).refresh, Refresh{});
    EXPECT_EQ(tools.release(toolPointer(state, 3, 3), kLeftButton).refresh, Refresh{.controls = true});
    EXPECT_EQ(blockSize(), QSize(8, 8));
    for (int y = 0; y <= 9; ++y)
        for (int x = 0; x <= 9; ++x)
            ASSERT_EQ(state.blockBuffer(x, y), x < 9 && y < 9 ? 100 + x + 16 * y : 0) << x << "," << y;

    // Corners on the view's far edges: those two sides lie outside the drawing area.
    tools.press(toolPointer(state, 8 * 64 + 4, 10 * 64 + 4), kLeftButton);
    tools.move(toolPointer(state, 8 * 60 + 4, 10 * 60 + 4), kLeftButton);
    expectOutline([](int x, int y) { return (y == 600 && x >= 480) || (x == 480 && y >= 600); });
}

TEST_F(BlockToolsTest, FloatingBlockFollowsThePointerAndStaysOnTheCanvas)
{
    selectRange(0, 0, 10, 4);
    tools.toolButtonClicked(ToolButtons::kCopy);
    EXPECT_EQ(tools.move(toolPointer(state, 100, 57), 0).refresh, Refresh{.blockSurface = true});
    EXPECT_EQ(surface().topLeft(), QPoint(96, 50));
    tools.move(toolPointer(state, 8 * 60 + 3, 639), kLeftButton); // view column 60, the bottom row
    EXPECT_EQ(surface().topLeft(), QPoint(432, 600));

    // Over the block itself the cell under the pointer becomes its first cell; its first pixel
    // column or row moves it one cell back.
    const struct {
        double x, y;
        QPoint expected;
    } table[] = {{1, 1, {96, 100}},     {0, 0, {88, 90}},     {9, 11, {104, 110}},
                 {-1e5, 1e5, {0, 600}}, {kNaN, 1, {96, 100}}, {400, 1, {432, 100}}};
    for (const auto &t : table) {
        tools.move(toolPointer(state, 100, 105), 0);
        EXPECT_EQ(tools.floatingBlockMoved(0, t.x, t.y), Refresh{.blockSurface = !std::isnan(t.x)});
        EXPECT_EQ(surface().topLeft(), t.expected) << t.x << "," << t.y;
    }
}

// The block 0 1 2 over 3 4 5, dragged between opposite corners in every direction, then changed
// by the transform buttons. Its far column and row hold 9, which no transform may bring in.
TEST_F(BlockToolsTest, EveryDragDirectionCapturesTheBlockAndTheTransformsFollowTheirRules)
{
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            doc.PixelData(0, x, y) = int16_t(x < 3 && y < 2 ? x + 3 * y : 9);
    const int turn = ToolButtons::kTurn, invert = ToolButtons::kInvert;
    const struct {
        QPoint from, to; // grid points
        std::vector<int> buttons;
        QSize size;
        std::vector<int16_t> cells;
    } table[] = {
        {{0, 0}, {3, 2}, {}, {3, 2}, {0, 1, 2, 3, 4, 5}},
        {{3, 2}, {0, 0}, {turn}, {2, 3}, {3, 0, 4, 1, 5, 2}}, // the old top row becomes the right column
        {{3, 0}, {0, 2}, {turn, turn}, {3, 2}, {5, 4, 3, 2, 1, 0}},
        {{0, 2}, {3, 0}, {turn, turn, turn, turn}, {3, 2}, {0, 1, 2, 3, 4, 5}},
        {{0, 0}, {3, 2}, {ToolButtons::kMirrorLeftRight}, {3, 2}, {2, 1, 0, 5, 4, 3}},
        {{0, 0}, {3, 2}, {ToolButtons::kMirrorTopBottom}, {3, 2}, {3, 4, 5, 0, 1, 2}},
        {{0, 0}, {3, 2}, {invert}, {3, 2}, {1, 0, 0, 0, 0, 0}}, // entry 0 becomes 1, every other 0
    };
    for (const auto &t : table) {
        SCOPED_TRACE(::testing::Message() << "row " << &t - table);
        selectRange(t.from.x(), t.from.y(), t.to.x(), t.to.y());
        tools.toolButtonClicked(ToolButtons::kCopy);
        for (int button : t.buttons)
            tools.toolButtonClicked(button);
        ASSERT_EQ(blockSize(), t.size);
        EXPECT_EQ(surface(), QRect(QPoint(0, 0), QSize(8 * t.size.width(), 10 * t.size.height())));
        for (int k = 0; k < int(t.cells.size()); ++k) {
            const int x = k % t.size.width(), y = k / t.size.width();
            EXPECT_EQ(state.blockBuffer(x, y), t.cells[std::size_t(k)]) << x << "," << y;
            EXPECT_EQ(tools.floatingBlock().image.pixel(8 * x + 4, 10 * y + 5), blockCellColour(t.cells[k]));
        }
    }
}

TEST_F(BlockToolsTest, BlockColourChannelsAreLevelPlusOneTimes128AtMost255)
{
    const std::pair<int, QRgb> table[] = {
        {0, qRgb(128, 128, 128)},    {1, qRgb(128, 128, 255)},    {2, qRgb(128, 128, 255)},
        {0x20, qRgb(255, 128, 128)}, {0x04, qRgb(128, 255, 128)}, {-1, qRgb(255, 255, 255)},
    };
    for (auto [value, colour] : table)
        EXPECT_EQ(blockCellColour(value), colour) << value;
}

// An empty range copies, pastes and erases nothing; no drag or erase reaches outside the store.
TEST_F(BlockToolsTest, EmptyRangesAndFarPointersChangeNothingTheyShouldNot)
{
    fillPage(0, 8, 8, 1);
    const PagedCellStore before = doc.PixelData;
    selectRange(3, 3, 3, 3);
    EXPECT_EQ(blockSize(), QSize(0, 0));
    tools.toolButtonClicked(ToolButtons::kCopy);
    EXPECT_TRUE(tools.floatingBlock().image.isNull());
    tools.floatingBlockPressed(kLeftButton, 0, 0);
    EXPECT_EQ(doc.PixelData, before);

    state.scrollRow = 128;
    doc.PixelData(0, kCellMin, kCellMin) = 5;
    doc.PixelData(1, 0, 0) = 5;
    fillPage(128, 65, 65, 1);
    selectRange(-20000, -20000, 20000, 20000);
    EXPECT_EQ(state.blockBuffer(64, 64), doc.PixelData(0, 64, 192));
    tools.eraseCells(-1000, -1000, 100000, 100000);
    EXPECT_EQ(QPoint(doc.PixelData(0, kCellMin, kCellMin), doc.PixelData(1, 0, 0)), QPoint(0, 5));
    doc.PixelData(0, kCellMax, kCellMax) = 7;
    tools.eraseCells(30000, 30000, 5, 5);
    state.currentPage = 40;
    tools.eraseCells(0, 0, 500, 500);
    tools.pasteBlock();
    EXPECT_EQ(doc.PixelData(0, kCellMax, kCellMax), 7);
}

TEST_F(BlockToolsTest, ToolButtonsShadesAndWhatToShowAgainThroughRangeCopyEraseAndPen)
{
    const int dragRange = -1;
    const Refresh everything{.canvas = true, .blockSurface = true, .controls = true};
    const Refresh block{.blockSurface = true, .controls = true};
    const struct {
        int button;
        Refresh refresh;
        std::string looks;
        ToolMode toolMode;
        int16_t source; // the cell at the range's top-left
    } table[] = {
        {ToolButtons::kRange, everything, "FAfffffff", ToolMode::Range, 1},
        {dragRange, {.controls = true}, "FAYYYffff", ToolMode::Range, 1},
        {ToolButtons::kCopy, block, "FAaffYYYY", ToolMode::Floating, 1}, // a copy leaves its source
        {ToolButtons::kMirrorLeftRight, block, "FAaffYYYY", ToolMode::Floating, 1},
        {ToolButtons::kRange, everything, "FAaffyyyy", ToolMode::Range, 1},
        {dragRange, {.controls = true}, "FAYYYyyyy", ToolMode::Range, 1},
        {ToolButtons::kErase, {.canvas = true, .controls = true}, "FAfffyyyy", ToolMode::Range, 0},
        {ToolButtons::kPen, everything, "AFfffffff", ToolMode::Pen, 0},
    };
    doc.PixelData(0, 2, 1) = 1;
    for (const auto &t : table) {
        SCOPED_TRACE(t.button);
        if (t.button == dragRange) {
            tools.press(toolPointer(state, 2 * 8 + 4, 1 * 10 + 4), kLeftButton);
            tools.move(toolPointer(state, 6 * 8 + 4, 4 * 10 + 4), kLeftButton);
            EXPECT_EQ(tools.release(toolPointer(state, 6 * 8 + 4, 4 * 10 + 4), kLeftButton).refresh,
                      t.refresh);
        } else {
            EXPECT_EQ(tools.toolButtonClicked(t.button), t.refresh);
        }
        EXPECT_EQ(looks(), t.looks);
        EXPECT_EQ(state.toolMode, t.toolMode);
        EXPECT_EQ(tools.tools().canvasPointer,
                  t.toolMode == ToolMode::Pen ? CanvasPointer::Default : CanvasPointer::Cross);
        EXPECT_EQ(tools.floatingBlock().visible, t.toolMode == ToolMode::Floating);
        EXPECT_EQ(doc.PixelData(0, 2, 1), t.source);
    }
    EXPECT_EQ(surface(), QRect(16, 10, 32, 30)); // where the copy started: over its source
    doc.PixelData(0, 0, 0) = 1;
    selectRange(2, 1, 6, 4);
    tools.toolButtonClicked(ToolButtons::kCopy);
    tools.toolButtonClicked(ToolButtons::kPen); // puts the floating copy away and repaints
    EXPECT_FALSE(tools.floatingBlock().visible);
    EXPECT_EQ(renderer.canvas().pixel(3, 3), qRgb(0, 0, 0));

    const ToolButtons before = tools.tools();
    for (int index : {-1, 9, ToolButtons::kLastButton + 1})
        EXPECT_EQ(tools.toolButtonClicked(index), Refresh{});
    EXPECT_EQ(tools.tools(), before);
}

TEST_F(BlockToolsTest, BlockFromAnotherSourceOnlyChangesTheButtons)
{
    doc.PixelData(0, 2, 1) = 1;
    selectRange(2, 1, 6, 4);
    state.rangeSurface = 1;
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMove), Refresh{.controls = true});
    EXPECT_EQ(looks(), "FAfafYYYY");
    EXPECT_EQ(state.toolMode, ToolMode::Floating);
    EXPECT_FALSE(tools.floatingBlock().visible);
    tools.toolButtonClicked(ToolButtons::kErase);
    EXPECT_EQ(doc.PixelData(0, 2, 1), 1);
}

TEST_F(BlockToolsTest, MapSwitchBothWays)
{
    int painted = 0;
    tools.setChipPainter([&](MapSurface, int, int, const ChipCells &) { ++painted; });
    state.chosenMapChip = 7;
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMapButton),
              (Refresh{.blockSurface = true, .controls = true}));
    const ToolButtons &model = tools.tools();
    const ToolButton &mapButton = model.toolButton(ToolButtons::kMapButton);
    EXPECT_EQ(state.toolMode, ToolMode::Map);
    EXPECT_EQ(looks(), "fffffFFFF");
    EXPECT_EQ(mapButton, (ToolButton{ButtonShade::Active, false, false, QStringLiteral("Chr")}));
    EXPECT_EQ(model.canvasPointer, CanvasPointer::Cross);
    EXPECT_FALSE(model.canvasShown || model.framesShown || tools.floatingBlock().visible);
    EXPECT_EQ(painted, 32 * 32 + 256 + 1); // their order: the map chips test
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMapButton),
              (Refresh{.canvas = true, .thumbnail = true, .blockSurface = true, .controls = true}));
    EXPECT_EQ(QPoint(int(state.toolMode), state.chosenMapChip), QPoint(int(ToolMode::Pen), 0));
    EXPECT_EQ(looks(), "AFfffFFFF"); // the transforms stay enabled
    EXPECT_EQ(mapButton, (ToolButton{ButtonShade::Face, false, false, QStringLiteral("Map")}));
    EXPECT_TRUE(model.canvasShown && tools.floatingBlock().visible);
}

} // namespace
} // namespace vesk4
