#include "document/page_state.h"

#include "document/start_values.h"
#include "palette/colour_model.h"

namespace vesk4 {

void showPageTables(Document &doc, EditorState &state)
{
    const int p = state.currentPage;
    doc.currentPatternWidth = doc.ChrSizeX[p];
    doc.currentPatternHeight = doc.ChrSizeY[p];
    if (doc.ChrPtnNum[p] > kMaxPatternCount)
        doc.ChrPtnNum[p] = 0;
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
