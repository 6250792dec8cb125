#include "document/page_state.h"
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

} // namespace
} // namespace vesk4
