// The canvas tools through the window. The range and block tools: the canvas's and the floating
// block's mouse events and the tool buttons reach the tools, and what they do reaches the page and
// the undo history. The pen: which cell a pointer position reaches, what each button writes, and
// what the canvas then shows. The shape and fill tools and the range shift: chosen by button, menu
// and key, written on release as one undo step, cancelled by Escape.
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

    BlockSurfaceView *block = window.canvasView()->floatingBlock();
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
    drag({300, 300}, {310, 310}, Qt::RightButton);
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

using MainWindowShapes = ShownWindowTest;

// Each new tool: its button in the new row of the tool frame, its menu entry and its key pick it,
// and one action is behind all three.
TEST_F(MainWindowShapes, EachToolIsChosenByButtonMenuAndKey)
{
    const struct {
        int index;
        const char *caption;
        Qt::Key key;
        ToolMode mode;
        int left; // pixels within the frame, as the buttons above
    } table[] = {
        {ToolButtons::kLine, "直線", Qt::Key_L, ToolMode::Line, 8},
        {ToolButtons::kRectangle, "四角", Qt::Key_R, ToolMode::Rectangle, 40},
        {ToolButtons::kFilledRectangle, "塗四角", Qt::Key_B, ToolMode::FilledRectangle, 72},
        {ToolButtons::kFill, "塗潰", Qt::Key_F, ToolMode::Fill, 104},
    };
    const QToolButton *turn = tools->toolButton(ToolButtons::kTurn);
    for (const auto &t : table) {
        SCOPED_TRACE(t.caption);
        QToolButton *button = tools->toolButton(t.index);
        QAction *action = menu->toolAction(t.index);
        EXPECT_EQ(button->text(), QString::fromUtf8(t.caption));
        EXPECT_EQ(button->defaultAction(), action);
        EXPECT_TRUE(action->text().startsWith(QString::fromUtf8(t.caption)));
        EXPECT_EQ(action->shortcut(), QKeySequence(t.key));
        EXPECT_EQ(button->geometry(), QRect(t.left, turn->y() + 34, turn->width(), turn->height()));
        const auto chosen = [&] {
            const bool ok = window.state().toolMode == t.mode && buttonBackground(button) == kLightGreen
                && canvas->cursor().shape() == Qt::CrossCursor;
            clickTool(ToolButtons::kPen);
            return ok;
        };
        clickTool(t.index);
        EXPECT_TRUE(chosen());
        action->trigger();
        EXPECT_TRUE(chosen());
        QTest::keyClick(&window, t.key);
        EXPECT_TRUE(chosen());
    }
    // The frame grew by the row and stops above the palette frame, which stays where it was.
    EXPECT_GT(tools->height(), tools->toolButton(ToolButtons::kFill)->geometry().bottom());
    EXPECT_LE(tools->geometry().bottom(), palette->y());
}

// A drag shows the shape on canvas and thumbnail, writes it on release as one step named after
// the tool, and undo and redo take it back and do it again; a shape or fill that changes nothing
// adds no step.
TEST_F(MainWindowShapes, ADragWritesOnReleaseAsOneStepThatUndoTakesBack)
{
    const struct {
        int index;
        const char *step;
        QPoint from, to;
        std::vector<QPoint> written, unwritten;
    } table[] = {
        {ToolButtons::kLine, "直線", {1, 1}, {5, 3}, {{1, 1}, {3, 2}, {5, 3}}, {{3, 1}}},
        {ToolButtons::kRectangle, "四角", {5, 3}, {1, 1}, {{1, 1}, {3, 1}, {5, 2}}, {{3, 2}}},
        {ToolButtons::kFilledRectangle, "塗四角", {1, 3}, {5, 1}, {{1, 1}, {3, 2}, {5, 3}}, {{6, 2}}},
    };
    for (const auto &t : table) {
        SCOPED_TRACE(t.step);
        doc.PixelData = PagedCellStore();
        const Document before = doc;
        clickTool(t.index);
        press(Qt::LeftButton, cellCentre(t.from));
        moveOnCanvas(cellCentre(t.to), Qt::LeftButton);
        EXPECT_TRUE(doc == before);
        for (const QPoint &p : t.written) // the thumbnail while dragged: ShapeToolsTest
            EXPECT_EQ(window.renderer().canvas().pixelColor(cellCentre(p)), QColor(0, 0, 0));
        release(Qt::LeftButton, cellCentre(t.to));
        for (const QPoint &p : t.written)
            EXPECT_EQ(cell(p.x(), p.y()), 1);
        for (const QPoint &p : t.unwritten)
            EXPECT_EQ(cell(p.x(), p.y()), 0);
        EXPECT_EQ(window.undoStack().undoText(), QString::fromUtf8(t.step));
        const Document after = doc;
        const int steps = window.undoStack().count();
        drag(cellCentre(t.from), cellCentre(t.to)); // the same again
        EXPECT_EQ(window.undoStack().count(), steps);
        QTest::keySequence(&window, QKeySequence::Undo);
        EXPECT_TRUE(doc == before);
        EXPECT_EQ(window.renderer().canvas().pixelColor(cellCentre(t.from)), QColor(255, 255, 255));
        QTest::keySequence(&window, QKeySequence::Redo);
        EXPECT_TRUE(doc == after);
    }

    // Fill: the region of the clicked entry, first the filled rectangle, then the whole sheet.
    clickTool(ToolButtons::kFill);
    click(Qt::RightButton, cellCentre({3, 2})); // entry 0 over entry 1
    EXPECT_EQ(cell(3, 2), 0);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("塗潰"));
    click(Qt::LeftButton, cellCentre({20, 60}));
    EXPECT_EQ(cell(63, 255), 1);
    EXPECT_EQ(cell(1, 1), 1);
    const int steps = window.undoStack().count();
    click(Qt::LeftButton, cellCentre({0, 0}));
    EXPECT_EQ(window.undoStack().count(), steps);
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_EQ(QPoint(cell(63, 255), cell(3, 2)), QPoint(0, 0));
}

TEST_F(MainWindowShapes, EscapeDropsTheShapeBeingDragged)
{
    QTest::keyClick(&window, Qt::Key_B);
    const QImage before = window.renderer().canvas().copy();
    press(Qt::LeftButton, cellCentre({2, 2}));
    moveOnCanvas(cellCentre({6, 6}), Qt::LeftButton);
    EXPECT_NE(window.renderer().canvas(), before);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.renderer().canvas(), before);
    moveOnCanvas(cellCentre({7, 7}), Qt::LeftButton);
    release(Qt::LeftButton, cellCentre({7, 7}));
    EXPECT_EQ(window.renderer().canvas(), before);
    EXPECT_EQ(window.undoStack().count(), 0);
    EXPECT_EQ(cell(4, 4), 0);
}

// The shift entries are enabled exactly while "消す" is: from a range drag until copy, move, erase
// or another tool. Each shift is one step "ずらし" and the range stays.
TEST_F(MainWindowShapes, ShiftEntriesFollowTheDrawnRange)
{
    const auto enabled = [&] {
        QList<bool> states{tools->toolButton(ToolButtons::kErase)->isEnabled()};
        for (ShiftDirection d :
             {ShiftDirection::Up, ShiftDirection::Down, ShiftDirection::Left, ShiftDirection::Right})
            states << menu->shiftAction(d)->isEnabled();
        return states;
    };
    const QList<bool> off(5, false), on(5, true);
    EXPECT_EQ(enabled(), off);
    EXPECT_EQ(menu->shiftAction(ShiftDirection::Up)->text(), QStringLiteral("上へずらし"));
    cell(1, 0) = 1;
    selectFromTopLeft(3, 2); // view cells (0..2, 0..1)
    EXPECT_EQ(enabled(), on);
    const struct {
        Qt::Key arrow;
        QPoint one; // where the 1 is after the key
    } keys[] = {{Qt::Key_Right, {2, 0}},
                {Qt::Key_Right, {0, 0}},
                {Qt::Key_Up, {0, 1}},
                {Qt::Key_Down, {0, 0}},
                {Qt::Key_Left, {2, 0}}};
    for (const auto &k : keys) {
        QTest::keyClick(&window, k.arrow, Qt::ControlModifier);
        EXPECT_EQ(cell(k.one.x(), k.one.y()), 1) << k.arrow;
        EXPECT_EQ(cell(0, 0) + cell(1, 0) + cell(2, 0) + cell(0, 1) + cell(1, 1) + cell(2, 1), 1);
        EXPECT_EQ(enabled(), on);
    }
    EXPECT_EQ(window.undoStack().count(), 5);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("ずらし"));
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_EQ(cell(0, 0), 1);
    for (int index : {ToolButtons::kCopy, ToolButtons::kErase, ToolButtons::kLine}) {
        selectFromTopLeft(3, 2);
        EXPECT_EQ(enabled(), on);
        clickTool(index);
        EXPECT_EQ(enabled(), off) << index;
        QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    }
}

} // namespace
} // namespace vesk4
