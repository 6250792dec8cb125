#include "document/start_values.h"

#include <QSize>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

TEST(CellStore, ReachesTheMarginsOnEverySide)
{
    Document doc;
    EXPECT_EQ(PagedCellStore::index(0, -10, -10), 0u);
    EXPECT_EQ(PagedCellStore::index(31, 400, 400), doc.PixelData.size() - 1);
    EXPECT_EQ(CellStore::index(400, 400), doc.blockBuffer.size() - 1);

    doc.PixelData(31, 400, 400) = -7;
    EXPECT_EQ(doc.PixelData.valueOr0(31, 400, 400), -7);
    EXPECT_EQ(doc.PixelData.valueOr0(31, 401, 0), 0);
    EXPECT_EQ(doc.PixelData.valueOr0(31, 0, -11), 0);
    EXPECT_EQ(doc.PixelData.valueOr0(32, 0, 0), 0);
}

// The page tables are what a new project file holds (project_new), the grid and pattern sizes the
// window's start captions; these are the rest.
TEST(StartValues, StateGeometryAndLevels)
{
    Document doc;
    EditorState state;
    state.currentPage = 7;
    state.scrollRow = 40;
    state.pressedButton = 1;
    applyStartValues(doc, state);

    EXPECT_EQ(state,
              (EditorState{.rightPenColour = 255,
                           .rightPenAltColour = 128,
                           .leftPenEntry = 1,
                           .rightPenAltEntry = 2,
                           .cellHeightPx = 10,
                           .cellWidthPx = 8,
                           .canvasHeightPx = 640,
                           .canvasWidthPx = 512}));
    EXPECT_EQ(QSize(doc.FileSizeX, doc.FileSizeY), QSize(64, 256));
    EXPECT_EQ(QSize(doc.currentPatternWidth, doc.currentPatternHeight), QSize(8, 8));
    EXPECT_EQ(doc.LevelRG, (std::array<int16_t, 8>{0, 2, 4, 6, 8, 10, 12, 15}));
    EXPECT_EQ(doc.LevelB, (std::array<int16_t, 4>{0, 4, 8, 15}));
    EXPECT_EQ(canvasScrollMaximum(doc, state), 128);
}

} // namespace
} // namespace vesk4
