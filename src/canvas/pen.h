#pragma once

#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// The pen of the canvas: the left button writes pLPalNo, the right button pRPalNo (and, on pages
// that are not "2色", pRPalNo2 over a cell that already holds pRPalNo).

// Sets pMainX and pMainY to the page cell under a pointer at (x, y) in drawing-area pixels: the
// nearest integer to (x - 5) / pDotX + pMapSclX, ties to even, and likewise for y with pDot. A
// position too far out for 16 bits gives the nearest 16-bit value, which lies outside the store.
void pointerToCell(EditorState &state, double x, double y);

// A press of one button with the pen, at the cell pMainX, pMainY. A right press counts only when
// no right press is in progress (pBtn 0) and marks one (pBtn 2).
void penPress(Document &doc, EditorState &state, int button);

// A move with the pen while the buttons of the mask are held, at the cell pMainX, pMainY.
void penMove(Document &doc, EditorState &state, int buttons);

} // namespace vesk4
