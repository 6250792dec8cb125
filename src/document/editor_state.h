#pragma once

#include <cstdint>

namespace vesk4 {

// Tools of the canvas; toolMode holds one of these.
enum ToolMode : int16_t {
    kToolPen = 0,
    kToolRange = 1,
    kToolFloating = 2,
    kToolLine = 3,
    kToolRectangle = 4,
    kToolFilledRectangle = 5,
    kToolFill = 6,
    kToolMap = 10,
};

// The editing state that the main window keeps beside the document: current page, pen entries and
// colours, tool, selected range and the geometry of the canvas view.
struct EditorState {
    int16_t currentPage = 0;
    int16_t leftPenColour = 0;
    int16_t rightPenColour = 0;
    int16_t rightPenAltColour = 0;
    int16_t leftPenEntry = 0;
    int16_t rightPenEntry = 0;
    int16_t rightPenAltEntry = 0;
    int16_t cellHeightPx = 0; // cell height on the canvas, pixels
    int16_t cellWidthPx = 0; // cell width on the canvas, pixels
    int16_t canvasHeightPx = 0; // canvas drawing area height
    int16_t canvasWidthPx = 0; // canvas drawing area width
    int16_t scrollColumn = 0; // first sheet column shown
    int16_t scrollRow = 0; // first sheet row shown, the canvas scroll bar's value
    int16_t toolMode = kToolPen;
    int16_t pressedButton = 0;
    int16_t pointerCellX = 0;
    int16_t pointerCellY = 0;
    int16_t rangeStartX = 0;
    int16_t rangeStartY = 0;
    int16_t rangeEndX = 0;
    int16_t rangeEndY = 0;
    int16_t blockX = 0;
    int16_t blockY = 0;
    int16_t blockWidthCells = 0;
    int16_t blockHeightCells = 0;
    int16_t rangeSurface = 0;

    friend bool operator==(const EditorState &, const EditorState &) = default;
};

} // namespace vesk4
