#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <QPoint>

#include <array>
#include <cstdint>
#include <functional>

namespace vesk4 {

// A map chip is an 8 x 8-cell block of a page: 8 chips across the 64-column sheet and 32 down,
// numbered row by row from the top left. The map is a 32 x 32 grid of chip numbers held in plane 0
// of MapData.
inline constexpr int kChipSize = 8;
inline constexpr int kChipsAcross = 8;
inline constexpr int kChipCount = 256;
inline constexpr int kMapSize = 32; // map positions across and down

// The 64 cells of a chip, cell (i, j) at i + 8 * j.
using ChipCells = std::array<int16_t, std::size_t{kChipSize} * kChipSize>;

// The page cell of chip n's cell (i, j): (8 * (n mod 8) + i, 8 * (n div 8) + j), the remainder and
// quotient taken towards zero as for any integer, so a negative number lies left of the sheet.
QPoint chipCell(int n, int i, int j);

// The cells of chip n on the page; a chip number outside 0-255 (only from a project file) may reach
// beyond the sheet, and its cells outside the cell store read 0.
ChipCells chipCells(const Document &doc, int page, int n);

// The chip number at map position (x, y): MapData(0, x, y).
int16_t mapChipNumber(const Document &doc, int x, int y);

// Where a redraw puts a chip.
enum class MapSurface {
    Map, // the map grid, slot x + 32 * y
    ChipList, // the list of all chips, slot = chip number
    ChosenChip, // the chosen chip (chosenMapChip), slot 0
};

// Receives every chip a redraw reads, in order. The map mode of this edition shows nothing, so the
// editor passes none; a map view, or a test, can.
using ChipPainter = std::function<void(MapSurface surface, int slot, int chip, const ChipCells &cells)>;

// The three map redraws. Chips are read from the current page.
void drawMap(const Document &doc, const EditorState &state, const ChipPainter &paint = {});
void drawChipList(const Document &doc, const EditorState &state, const ChipPainter &paint = {});
void drawChosenChip(const Document &doc, const EditorState &state, const ChipPainter &paint = {});

} // namespace vesk4
