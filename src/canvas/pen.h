#pragma once

#include "document/cell_changes.h"
#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// The pen of the canvas: the left button writes leftPenEntry, the right button rightPenEntry (and, on pages
// that are not "2色", rightPenAltEntry over a cell that already holds rightPenEntry).

// Sets pointerCellX and pointerCellY to the page cell under a pointer at (x, y) in drawing-area pixels: the
// nearest integer to (x - 5) / cellWidthPx + scrollColumn, ties to even, and likewise for y with
// cellHeightPx. A position too far out for 16 bits gives the nearest 16-bit value, which lies outside the
// store.
void pointerToCell(EditorState &state, double x, double y);

// A press of one button with the pen, at the cell pointerCellX, pointerCellY. A right press counts only when
// no right press is in progress (pressedButton 0) and marks one (pressedButton 2). Cells are written
// through the journal when one is given.
void penPress(Document &doc, EditorState &state, int button, CellChanges *journal = nullptr);

// A move with the pen while the buttons of the mask are held, at the cell pointerCellX, pointerCellY.
void penMove(Document &doc, EditorState &state, int buttons, CellChanges *journal = nullptr);

} // namespace vesk4
