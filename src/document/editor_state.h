#pragma once

#include <cstdint>

namespace vesk4 {

// Tools of the canvas; pMode holds one of these.
enum ToolMode : int16_t {
    kToolPen = 0,
    kToolRange = 1,
    kToolFloating = 2,
    kToolMap = 10,
};

// The editing state that the main window keeps beside the document: current page, pen entries and
// colours, tool, selected range and the geometry of the canvas view.
struct EditorState {
    int16_t pPage = 0;
    int16_t pLCol = 0;
    int16_t pRCol = 0;
    int16_t pRCol2 = 0;
    int16_t pLPalNo = 0;
    int16_t pRPalNo = 0;
    int16_t pRPalNo2 = 0;
    int16_t pDot = 0; // cell height on the canvas, pixels
    int16_t pDotX = 0; // cell width on the canvas, pixels
    int16_t pScrMainH = 0; // canvas drawing area height
    int16_t pScrMainW = 0; // canvas drawing area width
    int16_t pMapSclX = 0; // first sheet column shown
    int16_t pMapSclY = 0; // first sheet row shown, the canvas scroll bar's value
    int16_t pMode = kToolPen;
    int16_t pBtn = 0;
    int16_t pMainX = 0;
    int16_t pMainY = 0;
    int16_t pCopyX0 = 0;
    int16_t pCopyY0 = 0;
    int16_t pCopyX1 = 0;
    int16_t pCopyY1 = 0;
    int16_t pCopyX = 0;
    int16_t pCopyY = 0;
    int16_t pCopySizeX = 0;
    int16_t pCopySizeY = 0;
    int16_t pMainOrSub = 0;

    friend bool operator==(const EditorState &, const EditorState &) = default;
};

} // namespace vesk4
