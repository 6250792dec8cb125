#include "document/start_values.h"

#include "palette/colour_model.h"

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
    doc.FileSizeY = kSheetHeight;
    doc.FileSizeX = kSheetWidth;
    state.scrollColumn = 0;
    state.scrollRow = 0;
    state.canvasHeightPx = int16_t(state.cellHeightPx * 64);
    state.canvasWidthPx = int16_t(state.cellWidthPx * 64);

    doc.GridY = 8;
    doc.GridX = 8;
    doc.currentPatternHeight = 8;
    doc.currentPatternWidth = 8;

    doc.LevelRG = {0, 2, 4, 6, 8, 10, 12, 15};
    doc.LevelB = {0, 4, 8, 15};

    for (int p = 0; p <= kLastCharacterPage; ++p)
        doc.ChrName[p] = QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0'));
    doc.ChrName[31] = QStringLiteral("MapChip0");

    for (int p = 0; p < kPageCount; ++p) {
        doc.ColorMode[p] = kMode2;
        doc.ChrSizeX[p] = 8;
        doc.ChrSizeY[p] = 8;
        doc.ChrPtnNum[p] = 0;
        doc.ChrOutFlag[p] = 0;
    }

    doc.PalOrder = palOrderList();
}

int16_t canvasScrollMaximum(const Document &doc, const EditorState &state)
{
    // FileSizeY - FileSizeY / cellHeightPx * 5 in floating point, rounded half to even: 256 - 25.6 * 5 = 128.
    const double rows = double(doc.FileSizeY) - double(doc.FileSizeY) / state.cellHeightPx * 5;
    return int16_t(std::nearbyint(rows));
}

} // namespace vesk4
