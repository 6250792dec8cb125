#include "document/palette_rows.h"

#include <algorithm>

namespace vesk4 {

void resetPalettes(Document &doc, const EditorState &state)
{
    for (int p = 0; p < kPageCount; ++p) {
        auto &row = doc.pages[p].pal16;
        row[0] = state.rightPenColour;
        row[1] = state.leftPenColour;
        row[2] = state.rightPenAltColour;
        std::copy(kPal16FixedDefaults.begin(), kPal16FixedDefaults.end(), row.begin() + 3);
        doc.pages[p].pal4 = kPal4Defaults;
    }
}

int16_t paletteEntryOf(const Document &doc, int paletteRow, int page, int colourNumber)
{
    if (page < 0 || page >= kPageCount)
        return 0;
    if (paletteRow == kSearchPal16) {
        for (int e = 0; e < 16; ++e)
            if (doc.pages[page].pal16[e] == colourNumber)
                return int16_t(e);
    } else if (paletteRow == kSearchPal4) {
        for (int e = 0; e < 4; ++e)
            if (doc.pages[page].pal4[e] == colourNumber)
                return int16_t(e);
    }
    return 0;
}

void takePenColours(const Document &doc, EditorState &state)
{
    const int p = state.currentPage;
    switch (doc.pages[p].colourMode) {
    case kMode256:
        break;
    case kMode16:
        state.leftPenColour = doc.pages[p].pal16[15];
        state.rightPenColour = doc.pages[p].pal16[0];
        break;
    case kMode4:
        state.leftPenColour = doc.pages[p].pal4[3];
        state.rightPenColour = doc.pages[p].pal4[0];
        break;
    default:
        state.leftPenColour = doc.pages[p].pal16[1];
        state.rightPenColour = doc.pages[p].pal16[0];
        state.rightPenAltColour = doc.pages[p].pal16[2];
        break;
    }
}

} // namespace vesk4
