#include "document/page_state.h"

#include "document/palette_rows.h"
#include "document/start_values.h"

namespace vesk4 {

void showPageTables(Document &doc, EditorState &state)
{
    const int p = state.currentPage;
    state.currentPatternWidth = doc.pages[p].patternWidth;
    state.currentPatternHeight = doc.pages[p].patternHeight;
    if (doc.pages[p].patternCount > kMaxPatternCount)
        doc.pages[p].patternCount = 0;
    takePenColours(doc, state);
}

void startDocument(Document &doc, EditorState &state)
{
    applyStartValues(doc, state);
    resetPalettes(doc, state);
    state.currentPage = 0;
    showPageTables(doc, state);
}

} // namespace vesk4
