#pragma once

#include "document/document.h"
#include "document/editor_state.h"

namespace vesk4 {

// Largest pattern count the pattern-count box accepts; a larger one becomes 0.
inline constexpr int kMaxPatternCount = 99;

// What showing the current page does to the tables and state fields, without any widget: the
// pattern size becomes the current size, a pattern count above 99 (possible only from a project
// file) becomes 0, and the pen colours are taken from the page's palette for its colour mode.
void showPageTables(Document &doc, EditorState &state);

// The document and state the editor starts with: the start values, the default palettes and
// page 0 shown.
void startDocument(Document &doc, EditorState &state);

} // namespace vesk4
