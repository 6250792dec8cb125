#pragma once

#include "canvas/canvas_renderer.h"
#include "canvas/canvas_tool.h"
#include "document/cell_changes.h"
#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// The pen of the canvas: the left button writes leftPenEntry, the right button rightPenEntry (and, on pages
// that are not "2色", rightPenAltEntry over a cell that already holds rightPenEntry).

// A press of one button with the pen, at the cell pointerCellX, pointerCellY. A right press counts only when
// no right press is in progress (pressedButton 0) and marks one (pressedButton 2). Cells are written
// through the journal when one is given.
void penPress(Document &doc, EditorState &state, int button, CellChanges *journal = nullptr);

// A move with the pen while the buttons of the mask are held, at the cell pointerCellX, pointerCellY.
void penMove(Document &doc, EditorState &state, int buttons, CellChanges *journal = nullptr);

// The pen as a canvas tool, at the cell trackPointer made the state's pointer cell. Every press and
// every move repaints the canvas and thumbnail, also with no button held; a stroke from press to
// release is one step "描画", and so is one whose release never came, at the next move without a button.
class PenTool : public CanvasTool {
public:
    PenTool(Document &doc, EditorState &state, CanvasRenderer &renderer);
    void setJournal(CellChanges *journal) { journal_ = journal; }

    ToolOutcome press(const ToolPointer &at, int button) override;
    ToolOutcome move(const ToolPointer &at, int buttons) override;
    ToolOutcome release(const ToolPointer &at, int button) override;

private:
    Document &doc_;
    EditorState &state_;
    CanvasRenderer &renderer_;
    CellChanges *journal_ = nullptr;
};

} // namespace vesk4
