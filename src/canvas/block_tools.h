#pragma once

#include "bgmap/map_chips.h"
#include "canvas/canvas_renderer.h"
#include "canvas/tool_buttons.h"
#include "document/cell_changes.h"
#include "document/document.h"
#include "document/editor_state.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace vesk4 {

// What the widgets must bring up to date after a handler.
struct Refresh {
    bool canvas = false; // show the renderer's canvas image again
    bool thumbnail = false; // show the renderer's thumbnail image again
    bool blockSurface = false; // the floating block: its image, place, size or visibility
    bool controls = false; // the tool buttons, the canvas pointer and which parts of the window show

    Refresh &operator|=(const Refresh &other)
    {
        canvas |= other.canvas;
        thumbnail |= other.thumbnail;
        blockSurface |= other.blockSurface;
        controls |= other.controls;
        return *this;
    }
    friend bool operator==(const Refresh &, const Refresh &) = default;
};

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

// The grid point (the corner between cells) of the view under a canvas position for the range
// tool: (x - 4) / cellWidthPx and (y - 4) / cellHeightPx rounded half to even, no scroll added, limited to
// the grid points of the view, 0 … canvasWidthPx / cellWidthPx and 0 … canvasHeightPx / cellHeightPx.
QPoint rangeGridPoint(const EditorState &state, double x, double y);

// The colour the floating block shows a cell value in: each channel (level + 1) x 128, at most 255,
// with the red, green and blue levels of the value's RGB332 fields.
QRgb blockCellColour(int value);

// The range and block tools of the canvas (toolMode 1 and 2), the tool buttons and the floating block,
// working on the document, the editing state and the canvas images. Every handler returns what the
// widgets must show again; the widgets own the mouse plumbing and mirror tools() and floatingBlock().
//
// Mouse buttons use the toolkit's numbers: on a press or release the one button (1 left, 2 right,
// 4 middle), on a move the mask of the buttons held. Positions are pixels of the drawing area of the
// surface the event came from.
//
// No operation reads or writes a cell outside the cell stores, whatever the pointer does: range
// corners stay on the view's grid points and the block stays on the canvas.
class BlockTools {
public:
    BlockTools(Document &doc, EditorState &state, CanvasRenderer &renderer);

    // The canvas mouse handlers' part for toolMode 1 and 2; with another tool they do nothing. The
    // caller has already mapped the pen cell and, on a release, reset pressedButton.
    Refresh canvasMouseDown(int button, double x, double y);
    Refresh canvasMouseMove(int buttons, double x, double y);
    Refresh canvasMouseUp(int button, double x, double y);

    // The floating block's own mouse handlers; x and y are pixels of the block surface.
    Refresh floatingBlockPressed(int button, double x, double y);
    Refresh floatingBlockMoved(int buttons, double x, double y);

    // The click handler of the tool buttons 0-8 and 10; any other index does nothing. The widgets
    // deliver clicks of enabled buttons only.
    Refresh toolButtonClicked(int index);

    // Draws the red outline of the range rangeStartX, rangeStartY - rangeEndX, rangeEndY over the canvas.
    Refresh drawRangeOutline();
    // Paints the block into the block surface, first transforming it for mode 1 (quarter turn
    // clockwise), 2 (mirror left-right), 3 (mirror top-bottom) or 4 (black/white); mode 0 as it is.
    Refresh paintBlock(int mode);
    // Pastes the block into the current page where the block surface lies, and repaints.
    Refresh pasteBlock();
    // Sets view columns x … x + sizeX and rows y … y + sizeY of the current page to entry 0, and
    // repaints; a negative size erases nothing.
    Refresh eraseCells(int x, int y, int sizeX, int sizeY);

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

    Refresh rangeMouseDown(int button, double x, double y);
    Refresh rangeMouseMove(int buttons, double x, double y);
    Refresh rangeMouseUp(int button);
    Refresh floatingMouseMove(int buttons, double x, double y);
    void captureRange(int xL, int yT, int xR, int yB);
    void placeSurface(int left, int top, int width, int height);
    void paintBlockCell(int x, int y, int value);

    Refresh penClicked();
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
