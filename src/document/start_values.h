#pragma once

#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// Gives every table and state field the value the editor starts with, as the main window's load
// does before it draws anything: scalars, canvas geometry, grid, level tables, page names, sizes,
// modes and the colour-number table. The palettes are those of resetPalettes (colour model).
void applyStartValues(Document &doc, EditorState &state);

// Canvas geometry and the scroll range that follow from the cell size.
int16_t canvasScrollMaximum(const Document &doc, const EditorState &state);

} // namespace vesk4
