#include "document/start_values.h"

#include "palette/colour_model.h"

#include <cmath>

namespace vesk4 {

void applyStartValues(Document &doc, EditorState &state)
{
    doc.FileVer = 0;
    state.pBtn = 0;
    state.pPage = 0;
    state.pLCol = 0;
    state.pRCol = 255;
    state.pRCol2 = 128;
    state.pLPalNo = 1;
    state.pRPalNo = 0;
    state.pRPalNo2 = 2;

    state.pDot = 10;
    state.pDotX = 8;
    doc.FileSizeY = kSheetHeight;
    doc.FileSizeX = kSheetWidth;
    state.pMapSclX = 0;
    state.pMapSclY = 0;
    state.pScrMainH = int16_t(state.pDot * 64);
    state.pScrMainW = int16_t(state.pDotX * 64);

    doc.GridY = 8;
    doc.GridX = 8;
    doc.CurSizeY = 8;
    doc.CurSizeX = 8;

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
    // FileSizeY - FileSizeY / pDot * 5 in floating point, rounded half to even: 256 - 25.6 * 5 = 128.
    const double rows = double(doc.FileSizeY) - double(doc.FileSizeY) / state.pDot * 5;
    return int16_t(std::nearbyint(rows));
}

} // namespace vesk4
