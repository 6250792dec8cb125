#include "document/start_values.h"

#include <cmath>

namespace vesk4 {

void applyStartValues(Document &doc, EditorState &state)
{
    doc.FileVer = 0;
    state.pressedButton = 0;
    state.currentPage = 0;
    state.leftPenColour = 0;
    state.rightPenColour = 255;
    state.rightPenAltColour = 128;
    state.leftPenEntry = 1;
    state.rightPenEntry = 0;
    state.rightPenAltEntry = 2;

    state.cellHeightPx = 10;
    state.cellWidthPx = 8;
    state.scrollColumn = 0;
    state.scrollRow = 0;
    state.canvasHeightPx = int16_t(state.cellHeightPx * 64);
    state.canvasWidthPx = int16_t(state.cellWidthPx * 64);

    state.gridIntervalY = 8;
    state.gridIntervalX = 8;
    state.currentPatternHeight = 8;
    state.currentPatternWidth = 8;

    for (int p = 0; p <= kLastCharacterPage; ++p)
        doc.pages[p].name = QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0'));
    doc.pages[31].name = QStringLiteral("MapChip0");

    for (int p = 0; p < kPageCount; ++p) {
        doc.pages[p].colourMode = kMode2;
        doc.pages[p].patternWidth = 8;
        doc.pages[p].patternHeight = 8;
        doc.pages[p].patternCount = 0;
        doc.pages[p].outputFlag = 0;
    }
}

int16_t canvasScrollMaximum(const EditorState &state)
{
    // rows - rows / cellHeightPx * 5 in floating point, rounded half to even: 256 - 25.6 * 5 = 128.
    const double rows = double(kSheetHeight) - double(kSheetHeight) / state.cellHeightPx * 5;
    return int16_t(std::nearbyint(rows));
}

} // namespace vesk4
