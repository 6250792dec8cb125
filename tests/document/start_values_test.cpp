#include "document/start_values.h"

#include "palette/colour_model.h"

#include <QSize>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

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
                           .canvasWidthPx = 512,
                           .gridIntervalX = 8,
                           .gridIntervalY = 8,
                           .currentPatternWidth = 8,
                           .currentPatternHeight = 8}));
    EXPECT_EQ(QSize(kSheetWidth, kSheetHeight), QSize(64, 256));
    EXPECT_EQ(kLevelRG, (std::array<int16_t, 8>{0, 2, 4, 6, 8, 10, 12, 15}));
    EXPECT_EQ(kLevelB, (std::array<int16_t, 4>{0, 4, 8, 15}));
    EXPECT_EQ(canvasScrollMaximum(state), 128);
}

} // namespace
} // namespace vesk4
