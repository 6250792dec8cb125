#pragma once

#include "document/cell_store.h"

#include <QString>

#include <array>
#include <cstdint>

namespace vesk4 {

// Colour modes of a page, the index of its option button.
enum ColourMode : int16_t {
    kMode256 = 0, // "256色"
    kMode16 = 1, // "16色"
    kMode4 = 2, // "4色"
    kMode2 = 3, // "2色"
    kMode2Ex = 4, // "2色Ex"
};

inline constexpr int kSheetWidth = 64; // FileSizeX at start-up
inline constexpr int kSheetHeight = 256; // FileSizeY at start-up
inline constexpr int kSheetCells = kSheetWidth * kSheetHeight;
inline constexpr int kPal16Slots = 17; // entries 0-15 in use, entry 16 spare

// The document: every table and scalar the editor keeps, under the names the rest of the code uses.
// A default-constructed document is the zero-filled state before start-up; applyStartValues() gives
// it the values the editor starts with.
struct Document {
    // Per page.
    std::array<int16_t, kPageCount> ColorMode{};
    std::array<std::array<int16_t, 4>, kPageCount> Pal4{};
    std::array<std::array<int16_t, 8>, kPageCount> Pal8{};
    std::array<std::array<int16_t, kPal16Slots>, kPageCount> Pal16{};
    std::array<QString, kPageCount> ChrName{};
    std::array<int16_t, kPageCount> ChrSizeX{};
    std::array<int16_t, kPageCount> ChrSizeY{};
    std::array<int16_t, kPageCount> ChrPtnNum{};
    std::array<int16_t, kPageCount> ChrOutFlag{};

    // Cell stores.
    PagedCellStore PixelData; // palette entry numbers
    PagedCellStore MapData; // chip numbers, plane of page 0 used by the map
    CellStore blockBuffer; // block of the range and block tools
    CellStore blockScratch; // scratch of the block transforms

    // Colour tables.
    std::array<int16_t, 256> PalOrder{}; // colour number -> RGB332 value
    std::array<int16_t, 8> LevelRG{}; // 3-bit red/green level -> intensity 0-15
    std::array<int16_t, 4> LevelB{}; // 2-bit blue level -> intensity 0-15
    std::array<int16_t, 2> lastGridValue{}; // last accepted grid X / grid Y box value

    // Scalars.
    QString projectFileName; // name (without folder) of the project last saved or opened
    int16_t FileVer = 0;
    int16_t FileSizeX = 0;
    int16_t FileSizeY = 0;
    int16_t GridX = 0;
    int16_t GridY = 0;
    int16_t currentPatternWidth = 0;
    int16_t currentPatternHeight = 0;
    int16_t editedPaletteEntry = 0;
    int16_t paletteEditing = 0;
    int16_t chosenMapChip = 0;

    friend bool operator==(const Document &, const Document &) = default;
};

} // namespace vesk4
