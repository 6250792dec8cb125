#pragma once

#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// Gives every table and state field the value the editor starts with, as the main window's load
// does before it draws anything: scalars, canvas geometry, grid, page names, sizes and
// modes. The palettes are those of resetPalettes (document/palette_rows.h).
void applyStartValues(Document &doc, EditorState &state);

// Canvas geometry and the scroll range that follow from the cell size.
int16_t canvasScrollMaximum(const EditorState &state);

} // namespace vesk4
