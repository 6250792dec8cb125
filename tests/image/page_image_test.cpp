// The page as an image and images into the page: each mode's rule for a pixel, the cut at the sheet,
// the refusals, and the ditherings against cells worked out by hand (a grey ramp and a flat grey
// through each method, the clear pixels of "2色Ex" outside the diffusion, the wiring into the import).
#include "document/page_state.h"
#include "image/dithering.h"
#include "image/page_image.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

constexpr int kPage = 1;
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage filled(QSize size, QRgb pixel)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(pixel);
    return image;
}

Expected<QImage> readPng(const QImage &image)
{
    QBuffer png;
    png.open(QIODevice::ReadWrite);
    EXPECT_TRUE(image.save(&png, "PNG"));
    png.seek(0);
    return readImportImage(png);
}

class PageImage : public ::testing::Test {
protected:
    void SetUp() override { startDocument(doc, state); }

    // The entry one pixel becomes on a page of the mode.
    int entryOf(int mode, QRgb pixel, int threshold = kDefaultImportThreshold)
    {
        doc.pages[kPage].colourMode = int16_t(mode);
        doc.PixelData(kPage, 0, 0) = -1; // a value no rule gives, so every result is a change
        const Expected<ImportPlan> plan
            = planImageImport(doc, kPage, filled({1, 1}, pixel), {0, 0}, threshold);
        EXPECT_TRUE(plan.ok());
        return plan.ok() && plan.value().changes.size() == 1 ? plan.value().changes[0].after : -99;
    }

    Document doc;
    EditorState state;
};

// Luminance is (11 r + 16 g + 5 b) / 32; over white a channel becomes (c a + 255 (255 - a) + 127) / 255:
// red 87, blue 39, black at alpha 128 127, at 127 128, (1, 1, 1) at 128 127.5, rounded to 128.
// Default palette greys by entry: 255, 0, 128, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45.
TEST_F(PageImage, EachPixelGivesTheEntryOfItsModesRule)
{
    const struct {
        int mode;
        QRgb pixel; // 0xAARRGGBB
        int threshold, entry;
    } cases[] = {
        {kMode2, 0xFF7F7F7F, 128, 1},   {kMode2, 0xFF808080, 128, 0},   {kMode2, 0xFFFF0000, 88, 1},
        {kMode2, 0xFFFF0000, 87, 0},    {kMode2, 0xFF0000FF, 40, 1},    {kMode2, 0xFF0000FF, 39, 0},
        {kMode2, 0xFF000000, 0, 0},     {kMode2, 0xFFFEFEFE, 255, 1},   {kMode2, 0xFFFFFFFF, 255, 0},
        {kMode2, 0x80000000, 128, 1},   {kMode2, 0x7F000000, 128, 0},   {kMode2, 0x80010101, 128, 0},
        {kMode2, 0x00000000, 128, 0},   {kMode2Ex, 0x7F000000, 128, 2}, {kMode2Ex, 0x80000000, 128, 1},
        {kMode2Ex, 0x80FFFFFF, 128, 0}, {kMode16, 0xFFFF0000, 128, 11}, {kMode16, 0xFF080808, 128, 4},
        {kMode16, 0x00000000, 128, 0},  {kMode4, 0xFF000000, 128, 1},   {kMode256, 0xFF827D80, 128, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(entryOf(c.mode, c.pixel, c.threshold), c.entry)
            << c.mode << " " << std::hex << c.pixel << std::dec << " " << c.threshold;

    // The nearest grey on a tie goes to the lower entry.
    doc.pages[0].pal16[5] = 110;
    doc.pages[0].pal16[6] = 100;
    EXPECT_EQ(entryOf(kMode16, qRgb(105, 105, 105)), 5);
    doc.pages[0].pal16[9] = 100;
    EXPECT_EQ(entryOf(kMode16, qRgb(100, 100, 100)), 6);
}

TEST_F(PageImage, CellsBeyondTheSheetAreCutAndOnlyChangesArePlanned)
{
    doc.PixelData(kPage, 62, 255) = 1; // already what the import gives
    doc.PixelData(kPage, 63, 255) = 5;
    const Document before = doc;
    const Expected<ImportPlan> plan = planImageImport(doc, kPage, filled({3, 2}, kBlack), {62, 255});
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(doc, before);
    EXPECT_EQ(plan.value().cut, 4);
    EXPECT_EQ(plan.value().changes, (std::vector<ImportedCell>{{63, 255, 5, 1}}));
    CellChanges journal;
    applyImport(doc, plan.value(), &journal);
    EXPECT_EQ(doc.PixelData(kPage, 63, 255), 1);
    EXPECT_EQ(doc.PixelData(kPage, 64, 255), 0);
    EXPECT_EQ(journal.list(), (std::vector<CellChange>{{kPage, 63, 255, 5, 1}}));
    restoreBefore(doc.PixelData, journal.list());
    EXPECT_EQ(doc, before);

    const Expected<ImportPlan> left = planImageImport(doc, kPage, filled({2, 1}, kBlack), {-1, 0});
    EXPECT_EQ(left.value().cut, 1);
    EXPECT_EQ(left.value().changes, (std::vector<ImportedCell>{{0, 0, 0, 1}}));
}

TEST_F(PageImage, RefusalsSayWhyAndLeaveNoFile)
{
    const Expected<QImage> huge = readPng(filled({4097, 1}, kBlack));
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.failure().message, "The image is 4097 x 1 pixels; at most 4096 x 4096 can be imported.");
    EXPECT_TRUE(readPng(filled({4096, 1}, kBlack)).ok());

    const QImage pixel = filled({1, 1}, kBlack);
    EXPECT_FALSE(planImageImport(doc, 32, pixel, {0, 0}).ok());
    EXPECT_FALSE(planImageImport(doc, -1, pixel, {0, 0}).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, pixel, {0, 0}, 256).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, pixel, {0, 0}, -1).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, filled({1, 4097}, 0), {0, 0}).ok());

    // Exporting (the window's and the command line's image tests write real pages): no image, no file.
    QTemporaryDir dir;
    EXPECT_FALSE(writePngImage(QImage(), dir.filePath("null.png")).ok());
    EXPECT_FALSE(QFile::exists(dir.filePath("null.png")));
}

TEST_F(PageImage, PageShowsTheCanvasGreysWithEntryTwoOfTwoColourExClear)
{
    doc.PixelData(kPage, 0, 0) = 1;
    doc.PixelData(kPage, 1, 0) = 2;
    doc.PixelData(kPage, 2, 0) = 3; // colour 7
    doc.PixelData(kPage, 3, 0) = 17; // beyond the palette row: colour 0
    doc.PixelData(kPage, 63, 255) = 1;
    doc.PixelData(kPage, 64, 0) = 1; // beyond the sheet, never shown
    // On "2色" colour 128 shows as the right pen's colour.
    const struct {
        int mode, rightColour;
        QRgb entryTwo;
    } cases[] = {
        {kMode2, 255, kWhite},
        {kMode2, 200, qRgb(200, 200, 200)},
        {kMode2Ex, 255, qRgba(128, 128, 128, 0)},
        {kMode16, 255, qRgb(128, 128, 128)},
    };
    for (const auto &c : cases) {
        doc.pages[kPage].colourMode = int16_t(c.mode);
        const QImage image = pageImage(doc, kPage, {.rightColour = c.rightColour}).value();
        ASSERT_EQ(image.size(), QSize(64, 256));
        EXPECT_EQ(image.hasAlphaChannel(), c.mode == kMode2Ex);
        const QRgb row[] = {kBlack, c.entryTwo, qRgb(7, 7, 7), kBlack, kWhite};
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixel(x, 0), row[x]) << "mode " << c.mode << " x " << x;
        EXPECT_EQ(image.pixel(63, 0), kWhite);
        EXPECT_EQ(image.pixel(63, 255), kBlack);
    }

    // A scale repeats each cell without smoothing.
    const QImage scaled = pageImage(doc, kPage, {.scale = 3}).value();
    EXPECT_EQ(scaled, pageImage(doc, kPage, {}).value().scaled(192, 768));
    for (int scale : {0, 17})
        EXPECT_FALSE(pageImage(doc, kPage, {.scale = scale}).ok());
    EXPECT_FALSE(pageImage(doc, 32, {}).ok());
}

TEST_F(PageImage, PatternsOnlyTakesTheRectangleTheExportLaysOut)
{
    // Three patterns of 20 columns fit a band of 60; patterns running past column 63 or row 255 are cut
    // at the sheet; no whole pattern wider than 64 fits a band. An empty size: refused.
    const struct {
        int mode, width, height, count;
        QSize size;
    } cases[] = {
        {kMode2, 8, 8, 1, {8, 8}},       {kMode2, 8, 8, 9, {64, 16}},  {kMode2, 20, 8, 4, {60, 16}},
        {kMode2Ex, 24, 16, 2, {48, 16}}, {kMode16, 20, 8, 4, {64, 8}}, {kMode256, 65, 8, 1, {64, 8}},
        {kMode2, 8, 64, 40, {64, 256}},  {kMode2, 8, 8, 0, {}},        {kMode2, 0, 8, 1, {}},
        {kMode2, 8, 0, 1, {}},           {kMode2, 65, 8, 1, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.mode << ": " << c.count << " of " << c.width << "x" << c.height);
        doc.pages[kPage].colourMode = int16_t(c.mode);
        doc.pages[kPage].patternWidth = int16_t(c.width);
        doc.pages[kPage].patternHeight = int16_t(c.height);
        doc.pages[kPage].patternCount = int16_t(c.count);
        const Expected<QImage> image = pageImage(doc, kPage, {.patternsOnly = true, .scale = 2});
        ASSERT_EQ(image.ok(), !c.size.isEmpty());
        if (image) {
            EXPECT_EQ(image.value().size(), c.size * 2);
        }
    }
}

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
TEST_F(PageImage, TheImportDithersTheWholeImageAndPlacesIt)
{
    QImage ramp(4, 2, QImage::Format_ARGB32);
    for (int i = 0; i < 8; ++i) {
        const int grey = kRamp.greys[std::size_t(i % 4)];
        ramp.setPixel(i % 4, i / 4, qRgb(grey, grey, grey));
    }

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
