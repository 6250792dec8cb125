// The ditherings against cells worked out by hand: a grey ramp and a flat grey through each method,
// the clear pixels of "2色Ex" outside the diffusion, and the wiring into the image import.
#include "document/page_state.h"
#include "image/dithering.h"
#include "image/page_image.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

// Four columns, two rows.
const GreyImage kRamp{4, 2, {32, 96, 160, 224, 32, 96, 160, 224}};
const GreyImage kFlat{4, 2, {100, 100, 100, 100, 100, 100, 100, 100}};

// Threshold 128. Floyd-Steinberg on the ramp, shares rounded toward zero:
//   row 0: 32 ink (e 32: 14 right, 10 below, 2 below right); 96+14=110 ink (e 110: 48, 20, 34, 6);
//          160+48=208 background (e -47: -20, -8, -14, -2); 224-20=204 background (e -51: -9, -15)
//   row 1 starts with the errors 30, 28, -17, -17: 62 ink (27 right); 96+55=151 background (-45);
//          160-62=98 ink (42); 224+25=249 background.
// Atkinson on the flat grey (1/8 of each error to six places):
//   row 0: 100 ink (12 each); 112 ink (14); 126 ink (15); 129 background (-15)
//   row 1 starts with 26, 41, 14, 0: 126 ink (15); 156 background (-12); 117 ink (14); 102 ink.
// Bayer: ink when 32 grey < 32 x 128 + (2m - 15) 255 for matrix entry m (rows 0 8 2 10, 12 4 14 6),
// the thresholds in 32nds 271 4351 1291 5371 / 6391 2311 7411 3331.
TEST(Dithering, AGreyRampAndAFlatGreyGiveTheCellsOfEachMethod)
{
    const struct {
        Dithering dithering;
        const GreyImage &image;
        std::vector<int16_t> entries;
    } cases[] = {
        {Dithering::None, kRamp, {1, 1, 0, 0, 1, 1, 0, 0}},
        {Dithering::None, kFlat, {1, 1, 1, 1, 1, 1, 1, 1}},
        {Dithering::FloydSteinberg, kRamp, {1, 1, 0, 0, 1, 0, 1, 0}},
        {Dithering::FloydSteinberg, kFlat, {1, 0, 1, 1, 1, 0, 1, 0}},
        {Dithering::Atkinson, kRamp, {1, 1, 0, 0, 1, 1, 0, 0}},
        {Dithering::Atkinson, kFlat, {1, 1, 1, 0, 1, 0, 1, 1}},
        {Dithering::Bayer4, kRamp, {0, 1, 0, 0, 1, 0, 1, 0}},
        {Dithering::Bayer4, kFlat, {0, 1, 0, 1, 1, 0, 1, 1}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ditherTwoColours(c.image, 128, c.dithering), c.entries)
            << ditheringName(c.dithering).toStdString() << " on " << c.image.greys[1];
    }
}

// A clear pixel gives entry 2, takes no error and spreads none: the pixel after it starts afresh.
// Floyd-Steinberg on 100, clear, 100, 100: ink (its 43 to the right is dropped), 2, ink (43 right),
// 143 background. Atkinson: ink (12 to the clear pixel dropped, 12 two right), 2, 112 ink (14 right),
// 114 ink.
TEST(Dithering, ClearPixelsStayOutOfTheDiffusion)
{
    const GreyImage row{4, 1, {100, kClearPixel, 100, 100}};
    EXPECT_EQ(ditherTwoColours(row, 128, Dithering::FloydSteinberg), std::vector<int16_t>({1, 2, 1, 0}));
    EXPECT_EQ(ditherTwoColours(row, 128, Dithering::Atkinson), std::vector<int16_t>({1, 2, 1, 1}));
    EXPECT_EQ(ditherTwoColours(row, 128, Dithering::Bayer4), std::vector<int16_t>({0, 2, 0, 1}));
}

TEST(Dithering, NamesOfTheCommandLine)
{
    for (Dithering d : {Dithering::FloydSteinberg, Dithering::Atkinson, Dithering::Bayer4})
        EXPECT_EQ(ditheringNamed(ditheringName(d)), d);
    EXPECT_EQ(ditheringNamed(u"bayer"), std::nullopt);
    EXPECT_EQ(ditheringNamed(u"none"), std::nullopt);
}

// The import dithers the image, then places it: pixels beyond the sheet are cut but still take part,
// and on "2色Ex" a mostly transparent pixel is entry 2.
TEST(Dithering, TheImportDithersTheWholeImageAndPlacesIt)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    QImage ramp(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            ramp.setPixel(
                x, y,
                qRgb(kRamp.greys[std::size_t(x)], kRamp.greys[std::size_t(x)], kRamp.greys[std::size_t(x)]));

    // At column 62 only the first two columns land; the row below is the Floyd-Steinberg row 1.
    const Expected<ImportPlan> plan
        = planImageImport(doc, 2, ramp, {62, 254}, 128, Dithering::FloydSteinberg);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan.value().cut, 4);
    EXPECT_EQ(plan.value().changes,
              std::vector<ImportedCell>({{62, 254, 0, 1}, {63, 254, 0, 1}, {62, 255, 0, 1}}));

    // Below the sheet: the rows are cut without being looked at.
    const Expected<ImportPlan> below = planImageImport(doc, 2, ramp, {0, 255}, 128, Dithering::Atkinson);
    ASSERT_TRUE(below.ok());
    EXPECT_EQ(below.value().cut, 4);
    EXPECT_EQ(below.value().changes, std::vector<ImportedCell>({{0, 255, 0, 1}, {1, 255, 0, 1}}));

    doc.pages[2].colourMode = kMode2Ex;
    ramp.setPixel(1, 0, qRgba(0, 0, 0, 127));
    const Expected<ImportPlan> ex = planImageImport(doc, 2, ramp, {0, 0}, 128, Dithering::FloydSteinberg);
    ASSERT_TRUE(ex.ok());
    // Row 0 as on the flat case's first pixel: 32 ink, clear, 160 background (no carried error),
    // 224 + (-95 x 7 / 16 = -41) = 183 background.
    EXPECT_EQ(ex.value().changes[0], (ImportedCell{0, 0, 0, 1}));
    EXPECT_EQ(ex.value().changes[1], (ImportedCell{1, 0, 0, 2}));
    EXPECT_EQ(ex.value().changes[2].y, 1);
}

} // namespace
} // namespace vesk4
