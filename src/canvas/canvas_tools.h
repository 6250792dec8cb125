#pragma once

#include "canvas/block_tools.h"
#include "canvas/pen.h"
#include "canvas/shape_tools.h"

namespace vesk4 {

// Every tool of the canvas over one document, editing state and renderer; current() is the one
// toolMode names, to which the window routes the canvas's events.
class CanvasTools {
public:
    CanvasTools(Document &doc, EditorState &state, CanvasRenderer &renderer);

    // The tool of the current toolMode; in the map mode a tool that does nothing.
    CanvasTool &current();

    BlockTools &blockTools() { return block_; }
    const BlockTools &blockTools() const { return block_; }

    // Cells of the page are written through this journal from now on; none by default.
    void setJournal(CellChanges *journal);

private:
    // The map mode hides the canvas: its events reach nothing.
    class NoTool : public CanvasTool {
    public:
        ToolOutcome press(const ToolPointer &, int) override { return {}; }
        ToolOutcome move(const ToolPointer &, int) override { return {}; }
        ToolOutcome release(const ToolPointer &, int) override { return {}; }
    };

    EditorState &state_;
    PenTool pen_;
    BlockTools block_;
    ShapeTool line_;
    ShapeTool rectangle_;
    ShapeTool filledRectangle_;
    FillTool fill_;
    NoTool none_;
};

} // namespace vesk4
