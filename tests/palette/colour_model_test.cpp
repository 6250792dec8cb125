#include "document/page_state.h"
#include "document/palette_rows.h"
#include "palette/colour_model.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

TEST(PalOrder, FixedList)
{
    const auto &t = kPalOrder;
    // Spot checks across every row of the list, including the repeated 0x61 and 0x41.
    const std::pair<int, int> expected[] = {
        {0, 0x00},   {3, 0x03},     {4, 0x04},   {10, 0x1C},  {11, 0x20},  {17, 0xE0},  {18, 0x24},
        {24, 0xFC},  {25, 0x21},    {31, 0xE3},  {32, 0x05},  {38, 0x1F},  {39, 0x25},  {45, 0xFF},
        {46, 0x41},  {47, 0x44},    {48, 0x49},  {49, 0x61},  {50, 0x61},  {63, 0x91},  {64, 0xA1},
        {79, 0xCC},  {80, 0xCD},    {95, 0xF4},  {96, 0xF5},  {99, 0xFD},  {100, 0x06}, {111, 0x67},
        {112, 0x6A}, {127, 0xA6},   {128, 0xA7}, {143, 0xCE}, {144, 0xCF}, {159, 0xF3}, {160, 0xF6},
        {164, 0xFE}, {255, 0x0FFF},
    };
    for (auto [n, value] : expected)
        EXPECT_EQ(t[n], value) << "colour number " << n;
    for (int n = 165; n <= 254; ++n)
        EXPECT_EQ(t[n], 0) << "colour number " << n;
}

class ColourRules : public ::testing::Test {
protected:
    void SetUp() override { startDocument(doc, state); }
    Document doc;
    EditorState state;
};

TEST_F(ColourRules, LinearAndLevelRulesReadTheLowByte)
{
    EXPECT_EQ(linearColour(255), qRgb(224, 224, 192)); // 0x0FFF reads as 0xFF
    EXPECT_EQ(linearColour(3), qRgb(0, 0, 192));
    EXPECT_EQ(linearColour(29), qRgb(5 * 32, 0, 3 * 64)); // 0xA3
    EXPECT_EQ(linearColour(256), qRgb(0, 0, 0)); // no such colour number
    EXPECT_EQ(linearColour(-1), qRgb(0, 0, 0));

    EXPECT_EQ(paletteSwatchLevelColour(0xFF), qRgb(255, 255, 255)); // level 15 -> 256, capped
    EXPECT_EQ(colourSwatchLevelColour(0xFF), qRgb(240, 240, 240));
    EXPECT_EQ(paletteSwatchLevelColour(0), qRgb(16, 16, 16));
    EXPECT_EQ(colourSwatchLevelColour(0), qRgb(0, 0, 0));
    // 0x6E: red 3 -> 6, green 3 -> 6, blue 2 -> 8.
    EXPECT_EQ(paletteSwatchLevelColour(0x6E), qRgb(112, 112, 144));
    EXPECT_EQ(colourSwatchLevelColour(0x6E), qRgb(96, 96, 128));
    EXPECT_EQ(colourSwatchLevelColour(0x1FF), qRgb(240, 240, 240)); // only the low byte counts
}

// The start palettes of every page are pinned by the saved start document of the project-file test.
TEST_F(ColourRules, ResetPalettesUsesTheCurrentPenColours)
{
    doc.pages[4].pal16[16] = 77;
    doc.pages[4].pal4 = {1, 1, 1, 1};
    state.leftPenColour = 10;
    state.rightPenColour = 20;
    state.rightPenAltColour = 30;
    resetPalettes(doc, state);
    const std::array<int16_t, 17> row{20, 10, 30, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45, 77};
    EXPECT_EQ(doc.pages[4].pal16, row); // the spare entry 16 is left alone
    EXPECT_EQ(doc.pages[4].pal4, (std::array<int16_t, 4>{0, 3, 28, 224}));
}

TEST_F(ColourRules, PaletteEntryOfFindsTheLowestMatchingEntry)
{
    doc.pages[2].pal4 = {5, 9, 9, 224};
    EXPECT_EQ(paletteEntryOf(doc, kSearchPal4, 2, 9), 1);
    EXPECT_EQ(paletteEntryOf(doc, kSearchPal4, 2, 224), 3);
    EXPECT_EQ(paletteEntryOf(doc, kSearchPal4, 2, 7), 0); // in no entry
    EXPECT_EQ(paletteEntryOf(doc, kSearchPal4, 0, 28), 2); // each page its own row
    EXPECT_EQ(paletteEntryOf(doc, kSearchPal16, 0, 45), 15);
    EXPECT_EQ(paletteEntryOf(doc, 3, 0, 128), 0); // no such palette mode
}

TEST_F(ColourRules, PenColoursFollowTheColourMode)
{
    state.currentPage = 5;
    for (int e = 0; e < 16; ++e)
        doc.pages[5].pal16[e] = int16_t(100 + e);
    doc.pages[5].pal4 = {40, 41, 42, 43};
    // A colour mode, then the left, right and right-alternative pen colours it gives. The alternative
    // one only changes in the monochrome modes; "256色" keeps the colours the mode before gave.
    const std::array<int, 4> cases[] = {
        {kMode16, 115, 100, 0},  {kMode4, 43, 40, 0},       {kMode256, 43, 40, 0},
        {kMode2, 101, 100, 102}, {kMode2Ex, 101, 100, 102}, {9, 101, 100, 102},
    };
    for (const auto &c : cases) {
        doc.pages[5].colourMode = int16_t(c[0]);
        state.rightPenAltColour = 0;
        takePenColours(doc, state);
        EXPECT_EQ(
            (std::array<int, 4>{c[0], state.leftPenColour, state.rightPenColour, state.rightPenAltColour}),
            c);
    }
}

} // namespace
} // namespace vesk4
