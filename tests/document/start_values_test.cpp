#include "document/start_values.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace vesk4 {
namespace {

static_assert(std::is_same_v<decltype(Document{}.PixelData(0, 0, 0)), int16_t &>);
static_assert(std::is_same_v<decltype(Document{}.blockBuffer(0, 0)), int16_t &>);

TEST(CellStore, ReachesTheMarginsOnEverySide)
{
    Document doc;
    EXPECT_EQ(PagedCellStore::index(0, -10, -10), 0u);
    EXPECT_EQ(PagedCellStore::index(31, 400, 400), doc.PixelData.size() - 1);
    EXPECT_EQ(PagedCellStore::index(5, 2, 3), 5u + 32u * 12u + 13152u * 13u);
    EXPECT_EQ(CellStore::index(-10, -10), 0u);
    EXPECT_EQ(CellStore::index(400, 400), doc.blockBuffer.size() - 1);
    EXPECT_EQ(CellStore::index(1, 2), 11u + 411u * 12u);

    doc.PixelData(31, 400, 400) = -7;
    doc.MapData(0, -10, -10) = 9;
    EXPECT_EQ(doc.PixelData.valueOr0(31, 400, 400), -7);
    EXPECT_EQ(doc.MapData(0, -10, -10), 9);
    EXPECT_EQ(doc.PixelData.valueOr0(31, 401, 0), 0);
    EXPECT_EQ(doc.PixelData.valueOr0(32, 0, 0), 0);
    EXPECT_EQ(doc.PixelData.valueOr0(0, 0, -11), 0);
}

TEST(StartValues, FieldsAndGeometry)
{
    Document doc;
    EditorState state;
    state.currentPage = 7;
    state.scrollRow = 40;
    doc.FileVer = 1;
    applyStartValues(doc, state);

    EXPECT_EQ(doc.FileVer, 0);
    EXPECT_EQ(state.currentPage, 0);
    EXPECT_EQ(state.pressedButton, 0);
    EXPECT_EQ(state.leftPenColour, 0);
    EXPECT_EQ(state.rightPenColour, 255);
    EXPECT_EQ(state.rightPenAltColour, 128);
    EXPECT_EQ(state.leftPenEntry, 1);
    EXPECT_EQ(state.rightPenEntry, 0);
    EXPECT_EQ(state.rightPenAltEntry, 2);
    EXPECT_EQ(state.cellHeightPx, 10);
    EXPECT_EQ(state.cellWidthPx, 8);
    EXPECT_EQ(state.canvasHeightPx, 640);
    EXPECT_EQ(state.canvasWidthPx, 512);
    EXPECT_EQ(state.scrollColumn, 0);
    EXPECT_EQ(state.scrollRow, 0);
    EXPECT_EQ(doc.FileSizeX, 64);
    EXPECT_EQ(doc.FileSizeY, 256);
    EXPECT_EQ(doc.GridX, 8);
    EXPECT_EQ(doc.GridY, 8);
    EXPECT_EQ(doc.currentPatternWidth, 8);
    EXPECT_EQ(doc.currentPatternHeight, 8);
    EXPECT_EQ(canvasScrollMaximum(doc, state), 128);
    EXPECT_EQ(doc.projectFileName, QString());
}

TEST(StartValues, Tables)
{
    Document doc;
    EditorState state;
    applyStartValues(doc, state);

    EXPECT_EQ(doc.LevelRG, (std::array<int16_t, 8>{0, 2, 4, 6, 8, 10, 12, 15}));
    EXPECT_EQ(doc.LevelB, (std::array<int16_t, 4>{0, 4, 8, 15}));
    EXPECT_EQ(doc.ChrName[0], QStringLiteral("Chr00"));
    EXPECT_EQ(doc.ChrName[9], QStringLiteral("Chr09"));
    EXPECT_EQ(doc.ChrName[30], QStringLiteral("Chr30"));
    EXPECT_EQ(doc.ChrName[31], QStringLiteral("MapChip0"));
    for (int p = 0; p < kPageCount; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(doc.ColorMode[p], 3);
        EXPECT_EQ(doc.ChrSizeX[p], 8);
        EXPECT_EQ(doc.ChrSizeY[p], 8);
        EXPECT_EQ(doc.ChrPtnNum[p], 0);
        EXPECT_EQ(doc.ChrOutFlag[p], 0);
        EXPECT_EQ(doc.Pal8[p], (std::array<int16_t, 8>{}));
    }
    EXPECT_EQ(doc.PalOrder[45], 0xFF);
    EXPECT_EQ(doc.PalOrder[255], 0x0FFF);
}

} // namespace
} // namespace vesk4
