#include "bgmap/map_chips.h"

#include "document/page_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk4 {
namespace {

TEST(MapChips, ChipsTileTheSheetRowByRow)
{
    const struct {
        int chip;
        QPoint first, last;
    } table[] = {
        {0, {0, 0}, {7, 7}},         {9, {8, 8}, {15, 15}},
        {255, {56, 248}, {63, 255}}, {300, {32, 296}, {39, 303}}, // beyond the sheet, still in the store
        {-5, {-40, 0}, {-33, 7}},
    };
    for (const auto &t : table) {
        EXPECT_EQ(chipCell(t.chip, 0, 0), t.first) << t.chip;
        EXPECT_EQ(chipCell(t.chip, 7, 7), t.last) << t.chip;
    }
    EXPECT_EQ(chipCell(9, 3, 5), QPoint(11, 13));
}

TEST(MapChips, ChipCellsComeFromTheGivenPageAndNeverFromOutsideTheStore)
{
    Document doc;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            doc.PixelData(3, 8 + i, 8 + j) = int16_t(i + 8 * j + 1);
    doc.PixelData(3, 32, 296) = 77;
    doc.PixelData(3, kCellMin, 0) = 5; // the store's first column: chip -5 would start left of it

    const ChipCells nine = chipCells(doc, 3, 9);
    for (int k = 0; k < 64; ++k)
        ASSERT_EQ(nine[std::size_t(k)], k + 1);
    EXPECT_EQ(chipCells(doc, 31, 9), ChipCells{});
    EXPECT_EQ(chipCells(doc, 3, 300)[0], 77);
    for (int chip : {-5, 32767, -32768})
        EXPECT_EQ(chipCells(doc, 3, chip), ChipCells{}) << chip;
}

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
    doc.chosenMapChip = 1;

    struct Painted {
        MapSurface surface;
        int slot, chip, firstCell;
    };
    std::vector<Painted> painted;
    const ChipPainter paint = [&](MapSurface surface, int slot, int chip, const ChipCells &cells) {
        painted.push_back({surface, slot, chip, cells[0]});
    };
    drawMap(doc, state, paint);
    ASSERT_EQ(painted.size(), 1024u);
    for (int k = 0; k < 1024; ++k) {
        ASSERT_EQ(painted[std::size_t(k)].slot, k);
        ASSERT_EQ(painted[std::size_t(k)].chip, k == 3 ? 1 : k == 1023 ? 300 : 0) << k;
    }
    EXPECT_EQ(painted[3].firstCell, 1);
    EXPECT_EQ(mapChipNumber(doc, 31, 31), 300);
    EXPECT_EQ(mapChipNumber(doc, 400, -11), 0);

    painted.clear();
    drawChipList(doc, state, paint);
    ASSERT_EQ(painted.size(), 256u);
    EXPECT_EQ(painted[255].chip, 255);
    EXPECT_EQ(painted[1].firstCell, 1);
    painted.clear();
    drawChosenChip(doc, state, paint);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].surface, MapSurface::ChosenChip);
    EXPECT_EQ(painted[0].chip, 1);
    drawChosenChip(doc, state); // draws nothing without a painter
}

} // namespace
} // namespace vesk4
