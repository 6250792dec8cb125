#pragma once

#include "document/editor_state.h"

#include <QPoint>
#include <QString>

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

// What a canvas tool's event did: what to show again and, when it finished an edit, the name of
// the undo step the cells it wrote since the last step become.
struct ToolOutcome {
    Refresh refresh{};
    QString step{};

    friend bool operator==(const ToolOutcome &, const ToolOutcome &) = default;
};

// A pointer position over the canvas in the cells the tools work in; the tools never see pixels.
struct ToolPointer {
    // The page cell under the pointer: the nearest integer to (x - 5) / cellWidthPx + scrollColumn,
    // ties to even, likewise for y; saturated to 16 bits, so a pointer far away stays far away.
    QPoint cell;
    // That cell, moved onto the nearest cell the view shows: a pointer beyond the canvas stops at
    // its edge.
    QPoint visibleCell;
    // The grid point of the view (the corner between cells) the range tool takes: (x - 4) /
    // cellWidthPx rounded half to even, no scroll, limited to 0 … the view's columns, likewise for y.
    QPoint gridPoint;
    // The view cell whose pixels hold the pointer, where the floating block's first cell goes.
    QPoint viewCell;
};

// The pointer at (x, y) in drawing-area pixels.
ToolPointer toolPointer(const EditorState &state, double x, double y);
// The same for a press or a move, which also makes its cell the state's pointerCellX, pointerCellY.
ToolPointer trackPointer(EditorState &state, double x, double y);

// The range tool's grid point alone, as in ToolPointer::gridPoint.
QPoint rangeGridPoint(const EditorState &state, double x, double y);

// A tool of the canvas. The window delivers the canvas's press, moves and release with the
// pointer's cells and the toolkit's button numbers (1 left, 2 right, 4 middle; on a move the mask of
// the buttons held), and shows what each returns.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;

    virtual ToolOutcome press(const ToolPointer &at, int button) = 0;
    virtual ToolOutcome move(const ToolPointer &at, int buttons) = 0;
    virtual ToolOutcome release(const ToolPointer &at, int button) = 0;
    // Drops a drag in progress without writing anything (Escape, or another tool chosen).
    virtual ToolOutcome cancel() { return {}; }
};

} // namespace vesk4
