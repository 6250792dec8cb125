#include "canvas/shape_tools.h"

#include "canvas/cell_shapes.h"
#include "canvas/mouse_buttons.h"

#include <QCoreApplication>

namespace vesk4 {

namespace {

// The entry a button draws with; false for a button that draws nothing.
bool penEntry(const EditorState &state, int button, int16_t &entry)
{
    if (button == kLeftButton)
        entry = state.leftPenEntry;
    else if (button == kRightButton)
        entry = state.rightPenEntry;
    else
        return false;
    return true;
}

constexpr Refresh kCanvasAndThumbnail{.canvas = true, .thumbnail = true};

QString stepText(Shape shape)
{
    switch (shape) {
    case Shape::Line:
        return QCoreApplication::translate("EditStep", "Line");
    case Shape::Rectangle:
        return QCoreApplication::translate("EditStep", "Rectangle");
    default:
        return QCoreApplication::translate("EditStep", "Filled rectangle");
    }
}

} // namespace

ShapeTool::ShapeTool(Shape shape, Document &doc, EditorState &state, CanvasRenderer &renderer)
    : shape_(shape), doc_(doc), state_(state), renderer_(renderer)
{
}

std::vector<QPoint> ShapeTool::shapeCells() const
{
    switch (shape_) {
    case Shape::Line:
        return lineCells(start_, end_);
    case Shape::Rectangle:
        return rectangleOutlineCells(start_, end_);
    default:
        return filledRectangleCells(start_, end_);
    }
}

ToolOutcome ShapeTool::press(const ToolPointer &at, int button)
{
    // A second button pressed during a drag does not start another.
    if (dragging_ && button != button_)
        return {};
    if (!penEntry(state_, button, entry_))
        return {};
    dragging_ = true;
    button_ = button;
    start_ = end_ = at.visibleCell;
    renderer_.drawCells(doc_, state_);
    renderer_.drawCellsAs(doc_, state_, shapeCells(), entry_);
    renderer_.drawGrid(state_);
    return {.refresh = kCanvasAndThumbnail};
}

ToolOutcome ShapeTool::move(const ToolPointer &at, int buttons)
{
    if (!dragging_)
        return {};
    end_ = at.visibleCell;
    // The button is no longer held: its release never came, so the drag ends here as it would have.
    if (!(buttons & button_))
        return finish();
    renderer_.drawCells(doc_, state_);
    renderer_.drawCellsAs(doc_, state_, shapeCells(), entry_);
    renderer_.drawGrid(state_);
    return {.refresh = kCanvasAndThumbnail};
}

ToolOutcome ShapeTool::release(const ToolPointer &at, int button)
{
    if (!dragging_ || button != button_)
        return {};
    end_ = at.visibleCell;
    return finish();
}

ToolOutcome ShapeTool::finish()
{
    dragging_ = false;
    writeCells(doc_.PixelData, journal_, state_.currentPage, shapeCells(), entry_);
    renderer_.redraw(doc_, state_);
    return {.refresh = kCanvasAndThumbnail, .step = stepText(shape_)};
}

ToolOutcome ShapeTool::cancel()
{
    if (!dragging_)
        return {};
    dragging_ = false;
    renderer_.redraw(doc_, state_);
    return {.refresh = kCanvasAndThumbnail};
}

FillTool::FillTool(Document &doc, EditorState &state, CanvasRenderer &renderer)
    : doc_(doc), state_(state), renderer_(renderer)
{
}

ToolOutcome FillTool::press(const ToolPointer &at, int button)
{
    int16_t entry = 0;
    if (!penEntry(state_, button, entry))
        return {};
    const int page = state_.currentPage;
    if (page < 0 || page >= kPageCount
        || doc_.PixelData.valueOr0(page, at.visibleCell.x(), at.visibleCell.y()) == entry)
        return {};
    writeCells(doc_.PixelData, journal_, page, fillRegionCells(doc_.PixelData, page, at.visibleCell), entry);
    renderer_.redraw(doc_, state_);
    return {.refresh = kCanvasAndThumbnail, .step = QCoreApplication::translate("EditStep", "Fill")};
}

} // namespace vesk4
