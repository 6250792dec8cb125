#pragma once

#include "canvas/canvas_renderer.h"
#include "canvas/canvas_tool.h"
#include "document/cell_changes.h"
#include "document/document.h"
#include "document/editor_state.h"

#include <vector>

namespace vesk4 {

// The left button draws with the left pen's entry, the right button with the right pen's plain entry.
// Both tools work on the visible cells: a pointer beyond the canvas stops at its edge.

enum class Shape {
    Line, // "直線"
    Rectangle, // "四角": the border only
    FilledRectangle, // "塗四角"
};

// A shape dragged from the press cell to the release cell. While it is dragged it shows on the
// canvas and the thumbnail as it would be written, and the document is left alone; the release
// writes it as one undo step named after the tool, cancel drops it.
class ShapeTool : public CanvasTool {
public:
    ShapeTool(Shape shape, Document &doc, EditorState &state, CanvasRenderer &renderer);
    void setJournal(CellChanges *journal) { journal_ = journal; }

    ToolOutcome press(const ToolPointer &at, int button) override;
    ToolOutcome move(const ToolPointer &at, int buttons) override;
    ToolOutcome release(const ToolPointer &at, int button) override;
    ToolOutcome cancel() override;

    bool dragging() const { return dragging_; }
    // The cells of the shape from the press cell to the pointer's cell, page cells.
    std::vector<QPoint> shapeCells() const;

private:
    ToolOutcome finish();

    Shape shape_;
    Document &doc_;
    EditorState &state_;
    CanvasRenderer &renderer_;
    CellChanges *journal_ = nullptr;
    bool dragging_ = false;
    int button_ = 0;
    int16_t entry_ = 0;
    QPoint start_;
    QPoint end_;
};

// "塗潰": a press fills the cells 4-connected to the cell under the pointer that hold its entry, over
// the whole sheet of the page, as one undo step.
class FillTool : public CanvasTool {
public:
    FillTool(Document &doc, EditorState &state, CanvasRenderer &renderer);
    void setJournal(CellChanges *journal) { journal_ = journal; }

    ToolOutcome press(const ToolPointer &at, int button) override;
    ToolOutcome move(const ToolPointer &, int) override { return {}; }
    ToolOutcome release(const ToolPointer &, int) override { return {}; }

private:
    Document &doc_;
    EditorState &state_;
    CanvasRenderer &renderer_;
    CellChanges *journal_ = nullptr;
};

} // namespace vesk4
