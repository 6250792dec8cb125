#include "bgmap/map_chips.h"

#include "document/page_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk4 {
namespace {

// Chips tile the sheet row by row, eight chips of 8 x 8 cells a row; chip 300 lies beyond the sheet
// but in the store, chip -5 left of the sheet.
TEST(MapChips, ChipCellsComeFromTheGivenPageAndNeverFromOutsideTheStore)
{
    Document doc;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            doc.PixelData(3, 8 + i, 8 + j) = int16_t(i + 8 * j + 1);
    doc.PixelData(3, 32, 296) = 77;
    doc.PixelData(3, 63, 255) = 66;
    doc.PixelData(3, kCellMin, 0) = 5; // the store's first column: chip -5 would start left of it

    const ChipCells nine = chipCells(doc, 3, 9);
    for (int k = 0; k < 64; ++k)
        ASSERT_EQ(nine[std::size_t(k)], k + 1);
    EXPECT_EQ(chipCells(doc, 31, 9), ChipCells{});
    EXPECT_EQ(chipCells(doc, 3, 300)[0], 77);
    EXPECT_EQ(chipCells(doc, 3, 255)[63], 66);
    for (int chip : {-5, 32767, -32768})
        EXPECT_EQ(chipCells(doc, 3, chip), ChipCells{}) << chip;
}

// The map grid row by row, then the chip list, then the chosen chip.
TEST(MapChips, RedrawsReadTheMapAndTheCurrentPage)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    state.currentPage = 2;
    doc.PixelData(2, 8, 0) = 1; // chip 1's first cell
    doc.PixelData(31, 8, 0) = 2;
    doc.MapData(0, 3, 0) = 1;
    doc.MapData(0, 31, 31) = 300;
    doc.MapData(1, 0, 0) = 4; // another plane: not the map
    state.chosenMapChip = 1;

    std::vector<std::pair<int, int>> painted; // chip, its first cell
    std::vector<std::pair<MapSurface, int>> places;
    const ChipPainter paint = [&](MapSurface surface, int slot, int chip, const ChipCells &cells) {
        painted.emplace_back(chip, cells[0]);
        places.emplace_back(surface, slot);
    };
    drawMap(doc, state, paint);
    drawChipList(doc, state, paint);
    drawChosenChip(doc, state, paint);
    ASSERT_EQ(painted.size(), 1024u + 256u + 1u);
    for (int k = 0; k < 1024; ++k)
        ASSERT_EQ(painted[std::size_t(k)], std::pair(k == 3 ? 1 : k == 1023 ? 300 : 0, k == 3 ? 1 : 0)) << k;
    for (int k = 0; k < 1281; ++k) {
        const auto place = k < 1024 ? std::pair(MapSurface::Map, k)
            : k < 1280              ? std::pair(MapSurface::ChipList, k - 1024)
                                    : std::pair(MapSurface::ChosenChip, 0);
        ASSERT_EQ(places[std::size_t(k)], place) << k;
    }
    EXPECT_EQ(painted[1024 + 1], std::pair(1, 1));
    EXPECT_EQ(painted[1024 + 255].first, 255);
    EXPECT_EQ(painted[1280], std::pair(1, 1));
    EXPECT_EQ(mapChipNumber(doc, 400, -11), 0);
    drawMap(doc, state); // the editor's map mode paints nothing
    drawChipList(doc, state);
    drawChosenChip(doc, state);
}

} // namespace
} // namespace vesk4
