#pragma once

#include "document/cell_store.h"

#include <array>
#include <cstdint>

namespace vesk4 {

// Tools of the canvas.
enum class ToolMode : int16_t {
    Pen = 0,
    Range = 1,
    Floating = 2,
    Line = 3,
    Rectangle = 4,
    FilledRectangle = 5,
    Fill = 6,
    Map = 10,
};

// The editing state that the main window keeps beside the document: current page, pen entries and
// colours, tool, selected range, the geometry of the canvas view and its grid, and the scratch of
// the block tools. None of it is part of the project file.
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
    ToolMode toolMode = ToolMode::Pen;
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

    int16_t gridIntervalX = 0; // grid interval in columns, 0 for none
    int16_t gridIntervalY = 0; // grid interval in rows, 0 for none
    std::array<int16_t, 2> lastGridValue{}; // last accepted grid X / grid Y box value
    int16_t currentPatternWidth = 0; // the current page's pattern size, as the canvas draws it
    int16_t currentPatternHeight = 0;
    int16_t chosenMapChip = 0;

    CellStore blockBuffer{}; // block of the range and block tools
    CellStore blockScratch{}; // scratch of the block transforms

    friend bool operator==(const EditorState &, const EditorState &) = default;
};

} // namespace vesk4
