#pragma once

#include "document/document.h"
#include "document/editor_state.h"
#include "document/page_state.h"

namespace vesk4 {

// The document the editor starts with, with a diagonal of entry 1 across the view, so the repaints
// measured show both colours.
inline void startDiagonalDocument(Document &doc, EditorState &state)
{
    startDocument(doc, state);
    for (int i = 0; i < 64; ++i)
        doc.PixelData(0, i, i) = 1;
}

} // namespace vesk4
