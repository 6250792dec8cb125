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

Expected<QImage> readPng(const QImage &image, int bytes = -1)
{
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&out, "PNG"));
    QBuffer in;
    in.setData(bytes < 0 ? png : png.left(bytes));
    in.open(QIODevice::ReadOnly);
    return readImportImage(in);
}

class PageImage : public ::testing::Test {
protected:
    void SetUp() override { startDocument(doc, state); }

    // The entry one pixel becomes on a page of the mode.
    int entryOf(int mode, QRgb pixel, int threshold = kDefaultImportThreshold)
    {
        doc.ColorMode[kPage] = int16_t(mode);
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
        QRgb pixel;
        int threshold, entry;
    } cases[] = {
        {kMode2, qRgb(127, 127, 127), 128, 1},
        {kMode2, qRgb(128, 128, 128), 128, 0},
        {kMode2, qRgb(255, 0, 0), 88, 1},
        {kMode2, qRgb(255, 0, 0), 87, 0},
        {kMode2, qRgb(0, 0, 255), 40, 1},
        {kMode2, qRgb(0, 0, 255), 39, 0},
        {kMode2, qRgb(0, 0, 0), 0, 0},
        {kMode2, qRgb(254, 254, 254), 255, 1},
        {kMode2, qRgb(255, 255, 255), 255, 0},
        {kMode2, qRgba(0, 0, 0, 128), 128, 1},
        {kMode2, qRgba(0, 0, 0, 127), 128, 0},
        {kMode2, qRgba(1, 1, 1, 128), 128, 0},
        {kMode2, qRgba(0, 0, 0, 0), 128, 0},
        {kMode2Ex, qRgba(0, 0, 0, 127), 128, 2},
        {kMode2Ex, qRgba(255, 255, 255, 0), 128, 2},
        {kMode2Ex, qRgba(0, 0, 0, 128), 128, 1},
        {kMode2Ex, qRgba(255, 255, 255, 128), 128, 0},
        {kMode2Ex, qRgb(127, 127, 127), 128, 1},
        {kMode16, qRgb(255, 0, 0), 128, 11},
        {kMode16, qRgb(8, 8, 8), 128, 4},
        {kMode16, qRgba(0, 0, 0, 0), 128, 0},
        {kMode4, qRgb(0, 0, 0), 128, 1},
        {kMode256, qRgb(130, 125, 128), 128, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(entryOf(c.mode, c.pixel, c.threshold), c.entry)
            << "mode " << c.mode << " pixel " << std::hex << c.pixel << std::dec << " threshold "
            << c.threshold;

    // The nearest grey on a tie goes to the lower entry.
    doc.Pal16[0][5] = 110;
    doc.Pal16[0][6] = 100;
    EXPECT_EQ(entryOf(kMode16, qRgb(105, 105, 105)), 5);
    doc.Pal16[0][9] = 100;
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
    applyImport(doc, plan.value());
    EXPECT_EQ(doc.PixelData(kPage, 63, 255), 1);
    EXPECT_EQ(doc.PixelData(kPage, 64, 255), 0);
    revertImport(doc, plan.value());
    EXPECT_EQ(doc, before);

    const Expected<ImportPlan> left = planImageImport(doc, kPage, filled({2, 1}, kBlack), {-1, 0});
    EXPECT_EQ(left.value().cut, 1);
    EXPECT_EQ(left.value().changes, (std::vector<ImportedCell>{{0, 0, 0, 1}}));
}

TEST_F(PageImage, RefusedImportsSayWhy)
{
    const Expected<QImage> huge = readPng(filled({4097, 1}, kBlack));
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.failure().message, "The image is 4097 x 1 pixels; at most 4096 x 4096 can be imported.");
    EXPECT_TRUE(readPng(filled({4096, 1}, kBlack)).ok());
    const Expected<QImage> truncated = readPng(filled({8, 8}, kBlack), 40);
    ASSERT_FALSE(truncated.ok());
    EXPECT_TRUE(truncated.failure().message.startsWith("Cannot read the image: "));
    EXPECT_GT(truncated.failure().message.size(), QString("Cannot read the image: ").size());

    const QImage pixel = filled({1, 1}, kBlack);
    EXPECT_FALSE(planImageImport(doc, 32, pixel, {0, 0}).ok());
    EXPECT_FALSE(planImageImport(doc, -1, pixel, {0, 0}).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, pixel, {0, 0}, 256).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, pixel, {0, 0}, -1).ok());
    EXPECT_FALSE(planImageImport(doc, kPage, filled({1, 4097}, 0), {0, 0}).ok());
}

TEST_F(PageImage, PageShowsTheCanvasGreysWithEntryTwoOfTwoColourExClear)
{
    doc.PixelData(kPage, 0, 0) = 1;
    doc.PixelData(kPage, 1, 0) = 2;
    doc.PixelData(kPage, 2, 0) = 3; // colour 7
    doc.PixelData(kPage, 3, 0) = 17; // beyond the palette row: colour 0
    doc.PixelData(kPage, 63, 255) = 1;
    doc.PixelData(kPage, 64, 0) = 1; // beyond the sheet, never shown
    const struct {
        int mode, rightColour;
        QRgb entryTwo;
    } cases[] = {
        {kMode2, 255, kWhite}, // colour 128 shows as the right pen's colour
        {kMode2, 200, qRgb(200, 200, 200)},
        {kMode2Ex, 255, qRgba(128, 128, 128, 0)},
        {kMode16, 255, qRgb(128, 128, 128)},
    };
    for (const auto &c : cases) {
        doc.ColorMode[kPage] = int16_t(c.mode);
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
    ASSERT_EQ(scaled.size(), QSize(192, 768));
    for (int y = 0; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            EXPECT_EQ(scaled.pixel(x, y),
                      y == 3       ? kWhite
                          : x == 2 ? kBlack
                                   : qRgb(128, 128, 128))
                << x << "," << y;
    for (int scale : {0, 17})
        EXPECT_FALSE(pageImage(doc, kPage, {.scale = scale}).ok());
    EXPECT_FALSE(pageImage(doc, 32, {}).ok());
}

TEST_F(PageImage, PatternsOnlyTakesTheRectangleTheExportLaysOut)
{
    const struct {
        int mode, width, height, count;
        QSize size; // empty: refused
    } cases[] = {
        {kMode2, 8, 8, 1, {8, 8}},
        {kMode2, 8, 8, 9, {64, 16}},
        {kMode2, 20, 8, 4, {60, 16}}, // three per band of 60 columns
        {kMode2Ex, 24, 16, 2, {48, 16}},
        {kMode16, 20, 8, 4, {64, 8}}, // the fourth runs past column 63, cut at the sheet
        {kMode256, 65, 8, 1, {64, 8}},
        {kMode2, 8, 64, 40, {64, 256}}, // five bands of 64 rows, cut at the sheet
        {kMode2, 8, 8, 0, {}},
        {kMode2, 0, 8, 1, {}},
        {kMode2, 8, 0, 1, {}},
        {kMode2, 65, 8, 1, {}}, // no whole pattern fits a band
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.mode << ": " << c.count << " of " << c.width << " x " << c.height);
        doc.ColorMode[kPage] = int16_t(c.mode);
        doc.ChrSizeX[kPage] = int16_t(c.width);
        doc.ChrSizeY[kPage] = int16_t(c.height);
        doc.ChrPtnNum[kPage] = int16_t(c.count);
        const Expected<QImage> image = pageImage(doc, kPage, {.patternsOnly = true, .scale = 2});
        ASSERT_EQ(image.ok(), !c.size.isEmpty());
        if (image)
            EXPECT_EQ(image.value().size(), c.size * 2);
    }
}

TEST_F(PageImage, PngIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    doc.ColorMode[kPage] = kMode2Ex;
    doc.PixelData(kPage, 5, 6) = 2;
    ASSERT_TRUE(writePngImage(pageImage(doc, kPage).value(), dir.filePath("page.png")).ok());
    const QImage back(dir.filePath("page.png"), "PNG");
    EXPECT_EQ(back.size(), QSize(64, 256));
    EXPECT_EQ(qAlpha(back.pixel(5, 6)), 0);
    EXPECT_EQ(back.pixel(5, 5), kWhite);
    EXPECT_FALSE(writePngImage(QImage(), dir.filePath("null.png")).ok());
    EXPECT_FALSE(QFile::exists(dir.filePath("null.png")));
}

} // namespace
} // namespace vesk4
