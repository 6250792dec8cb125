#pragma once

#include "bgmap/map_chips.h"
#include "canvas/canvas_renderer.h"
#include "canvas/canvas_tool.h"
#include "canvas/cell_block.h"
#include "canvas/tool_buttons.h"
#include "document/cell_changes.h"
#include "document/document.h"
#include "document/editor_state.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace vesk4 {

// The floating block's surface, placed on the canvas in canvas pixels. Block cell
// (x, y) is painted at (x * cellWidthPx, y * cellHeightPx) of its image, which is width x height.
struct BlockSurface {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    QImage image;
};

inline constexpr QRgb kRangeOutlineColour = qRgb(255, 0, 0);

// The colour the floating block shows a cell value in: each channel (level + 1) x 128, at most 255,
// with the red, green and blue levels of the value's RGB332 fields.
QRgb blockCellColour(int value);

// The range and block tools of the canvas (toolMode 1 and 2), the tool buttons and the floating block,
// working on the document, the editing state and the canvas images. Every handler returns what the
// widgets must show again; the widgets own the mouse plumbing and mirror tools() and floatingBlock().
//
// Mouse buttons use the toolkit's numbers: on a press or release the one button (1 left, 2 right,
// 4 middle), on a move the mask of the buttons held. The canvas's events come as cells (the range's
// corners are grid points, the floating block goes to the view cell under the pointer); the floating
// block's own events as pixels of the block surface.
//
// No operation reads or writes a cell outside the cell stores, whatever the pointer does: range
// corners stay on the view's grid points and the block stays on the canvas.
class BlockTools : public CanvasTool {
public:
    BlockTools(Document &doc, EditorState &state, CanvasRenderer &renderer);

    // The canvas's events for toolMode 1 and 2; with another tool they do nothing. The caller has
    // already made the pointer's cell the pen cell and, on a release, reset pressedButton.
    ToolOutcome press(const ToolPointer &at, int button) override;
    ToolOutcome move(const ToolPointer &at, int buttons) override;
    ToolOutcome release(const ToolPointer &at, int button) override;

    // The floating block's own mouse handlers; x and y are pixels of the block surface.
    Refresh floatingBlockPressed(int button, double x, double y);
    Refresh floatingBlockMoved(int buttons, double x, double y);

    // The click handler of the tool buttons 0-8, 10 and the shape tools 11-14; any other index does
    // nothing. The widgets deliver clicks of enabled buttons only.
    Refresh toolButtonClicked(int index);

    // Draws the red outline of the range rangeStartX, rangeStartY - rangeEndX, rangeEndY over the canvas.
    Refresh drawRangeOutline();
    // Paints the block into the block surface, after transforming it.
    Refresh paintBlock(BlockTransform transform);
    // Pastes the block into the current page where the block surface lies, and repaints.
    Refresh pasteBlock();
    // Sets view columns x … x + sizeX and rows y … y + sizeY of the current page to entry 0, and
    // repaints; a negative size erases nothing.
    Refresh eraseCells(int x, int y, int sizeX, int sizeY);
    // Whether a range is drawn: the state in which "消す" can be pressed.
    bool rangeDrawn() const { return tools_.toolButton(ToolButtons::kErase).enabled; }
    // Moves the cells of the drawn range one cell that way, the row or column pushed out coming in at
    // the other side; the range stays, and the block buffer takes what it now holds. Nothing
    // without a drawn range.
    Refresh shiftRange(ShiftDirection direction);

    const ToolButtons &tools() const { return tools_; }
    ToolButtons &tools() { return tools_; }
    const BlockSurface &floatingBlock() const { return surface_; }

    // Cells of the page are written through this journal from now on; none by default.
    void setJournal(CellChanges *journal) { journal_ = journal; }

    // Receives the chips the map redraws read on entering the map mode; none by default.
    void setChipPainter(ChipPainter paint) { chipPainter_ = std::move(paint); }

private:
    bool geometryUsable() const;
    Refresh repaintCanvas();

    Refresh rangeMouseDown(int button, QPoint gridPoint);
    Refresh rangeMouseMove(int buttons, QPoint gridPoint);
    Refresh rangeMouseUp(int button);
    Refresh floatingMouseMove(int buttons, QPoint viewCell);
    void captureRange(int xL, int yT, int xR, int yB);
    void placeSurface(int left, int top, int width, int height);
    void paintBlockCell(int x, int y, int value);

    Refresh cellToolClicked(ToolMode mode, int index, CanvasPointer pointer);
    Refresh rangeClicked();
    Refresh copyOrMoveClicked(int index);
    Refresh eraseClicked();
    Refresh transformClicked(int index);
    Refresh mapSwitchClicked();

    Document &doc_;
    EditorState &state_;
    CanvasRenderer &renderer_;
    ToolButtons tools_;
    BlockSurface surface_;
    ChipPainter chipPainter_;
    CellChanges *journal_ = nullptr;
};

} // namespace vesk4
