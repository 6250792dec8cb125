#include "document/page_state.h"
#include "image/page_image.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

constexpr int kPage = 1;

QImage filled(QSize size, QRgb pixel)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(pixel);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

Expected<QImage> readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readImportImage(buffer);
}

class PageImage : public ::testing::Test {
protected:
    void SetUp() override { startDocument(doc, state); }

    // The entry one pixel becomes on a page of the mode.
    int entryOf(int mode, QRgb pixel, int threshold)
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

struct PixelCase {
    int mode;
    QRgb pixel;
    int threshold;
    int entry;
};

// Luminance is (11 r + 16 g + 5 b) / 32; over white a channel becomes (c a + 255 (255 - a) + 127) / 255.
TEST_F(PageImage, EachPixelGivesTheEntryOfItsModesRule)
{
    const PixelCase cases[] = {
        {kMode2, qRgb(127, 127, 127), 128, 1},
        {kMode2, qRgb(128, 128, 128), 128, 0},
        {kMode2, qRgb(255, 0, 0), 88, 1}, // luminance 87
        {kMode2, qRgb(255, 0, 0), 87, 0},
        {kMode2, qRgb(0, 0, 255), 40, 1}, // 39
        {kMode2, qRgb(0, 0, 255), 39, 0},
        {kMode2, qRgb(0, 0, 0), 0, 0}, // nothing is below 0
        {kMode2, qRgb(254, 254, 254), 255, 1},
        {kMode2, qRgb(255, 255, 255), 255, 0},
        {kMode2, qRgba(0, 0, 0, 128), 128, 1}, // over white 127
        {kMode2, qRgba(0, 0, 0, 127), 128, 0}, // over white 128
        {kMode2, qRgba(1, 1, 1, 128), 128, 0}, // over white 127.5, rounded to 128
        {kMode2, qRgba(0, 0, 0, 0), 128, 0},
        {kMode2Ex, qRgba(0, 0, 0, 127), 128, 2},
        {kMode2Ex, qRgba(255, 255, 255, 0), 128, 2},
        {kMode2Ex, qRgba(0, 0, 0, 128), 128, 1}, // its own colour, not composed
        {kMode2Ex, qRgba(255, 255, 255, 128), 128, 0},
        {kMode2Ex, qRgb(127, 127, 127), 128, 1},
        {kMode2Ex, qRgb(128, 128, 128), 128, 0},
        // Default palette greys by entry: 255, 0, 128, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45.
        {kMode16, qRgb(255, 0, 0), 128, 11}, // 79 is nearest to pure red
        {kMode16, qRgb(8, 8, 8), 128, 4},
        {kMode16, qRgba(0, 0, 0, 0), 128, 0}, // transparent shows white
        {kMode4, qRgb(0, 0, 0), 128, 1},
        {kMode256, qRgb(130, 125, 128), 128, 2},
    };
    for (const PixelCase &c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " pixel " << std::hex << c.pixel << std::dec
                                          << " threshold " << c.threshold);
        EXPECT_EQ(entryOf(c.mode, c.pixel, c.threshold), c.entry);
    }
}

TEST_F(PageImage, NearestColourTiesGoToTheLowerEntry)
{
    doc.Pal16[0][5] = 110;
    doc.Pal16[0][6] = 100;
    EXPECT_EQ(entryOf(kMode16, qRgb(105, 105, 105), 128), 5);
    doc.Pal16[0][9] = 100; // the same grey as entry 6
    EXPECT_EQ(entryOf(kMode16, qRgb(100, 100, 100), 128), 6);
}

TEST_F(PageImage, CellsBeyondTheSheetAreCutAndOnlyChangesArePlanned)
{
    doc.PixelData(kPage, 62, 255) = 1; // already what the import gives
    doc.PixelData(kPage, 63, 255) = 5;
    const Document before = doc;
    const Expected<ImportPlan> plan = planImageImport(doc, kPage, filled({3, 2}, qRgb(0, 0, 0)), {62, 255});
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(doc, before);
    EXPECT_EQ(plan.value().cut, 4);
    EXPECT_EQ(plan.value().changes, (std::vector<ImportedCell>{{63, 255, 5, 1}}));

    applyImport(doc, plan.value());
    EXPECT_EQ(doc.PixelData(kPage, 63, 255), 1);
    EXPECT_EQ(doc.PixelData(kPage, 64, 255), 0);
    revertImport(doc, plan.value());
    EXPECT_EQ(doc, before);

    const Expected<ImportPlan> left = planImageImport(doc, kPage, filled({2, 1}, qRgb(0, 0, 0)), {-1, 0});
    EXPECT_EQ(left.value().cut, 1);
    EXPECT_EQ(left.value().changes, (std::vector<ImportedCell>{{0, 0, 0, 1}}));
}

TEST_F(PageImage, RefusedImportsSayWhy)
{
    const Expected<QImage> huge = readBytes(encoded(filled({4097, 1}, qRgb(0, 0, 0)), "PNG"));
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.failure().message, "The image is 4097 x 1 pixels; at most 4096 x 4096 can be imported.");
    EXPECT_TRUE(readBytes(encoded(filled({4096, 1}, qRgb(0, 0, 0)), "PNG")).ok());

    QByteArray truncated = encoded(filled({8, 8}, qRgb(0, 0, 0)), "PNG").left(40);
    for (const QByteArray &broken : {truncated, QByteArray("not an image at all")}) {
        const Expected<QImage> image = readBytes(broken);
        ASSERT_FALSE(image.ok());
        EXPECT_TRUE(image.failure().message.startsWith("Cannot read the image: "));
        EXPECT_GT(image.failure().message.size(), QString("Cannot read the image: ").size());
    }
    EXPECT_FALSE(readImportImage(QStringLiteral("/no/such/image.png")).ok());

    const QImage pixel = filled({1, 1}, qRgb(0, 0, 0));
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

    struct Case {
        int mode;
        int rightColour;
        QRgb entryTwo;
    };
    const Case cases[] = {
        {kMode2, 255, qRgb(255, 255, 255)}, // colour 128 shows as the right pen's colour
        {kMode2, 200, qRgb(200, 200, 200)},
        {kMode2Ex, 255, qRgba(128, 128, 128, 0)},
        {kMode16, 255, qRgb(128, 128, 128)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        doc.ColorMode[kPage] = int16_t(c.mode);
        PageImageOptions options;
        options.rightColour = c.rightColour;
        const QImage image = pageImage(doc, kPage, options).value();
        ASSERT_EQ(image.size(), QSize(64, 256));
        EXPECT_EQ(image.hasAlphaChannel(), c.mode == kMode2Ex);
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(1, 0), c.entryTwo);
        EXPECT_EQ(image.pixel(2, 0), qRgb(7, 7, 7));
        EXPECT_EQ(image.pixel(3, 0), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(4, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(63, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(63, 255), qRgb(0, 0, 0));
    }
}

TEST_F(PageImage, ScaleRepeatsEachCellWithoutSmoothing)
{
    doc.PixelData(kPage, 1, 0) = 1;
    PageImageOptions options;
    options.scale = 3;
    const QImage image = pageImage(doc, kPage, options).value();
    ASSERT_EQ(image.size(), QSize(192, 768));
    for (int y = 0; y < 4; ++y)
        for (int x = 2; x < 7; ++x)
            EXPECT_EQ(image.pixel(x, y), x >= 3 && x <= 5 && y <= 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;

    for (int scale : {0, 17}) {
        options.scale = scale;
        EXPECT_FALSE(pageImage(doc, kPage, options).ok());
    }
    EXPECT_FALSE(pageImage(doc, 32, {}).ok());
}

TEST_F(PageImage, PatternsOnlyTakesTheRectangleTheExportLaysOut)
{
    struct Case {
        int mode, width, height, count;
        QSize size; // empty: refused
    };
    const Case cases[] = {
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
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.mode << ": " << c.count << " of " << c.width << " x " << c.height);
        doc.ColorMode[kPage] = int16_t(c.mode);
        doc.ChrSizeX[kPage] = int16_t(c.width);
        doc.ChrSizeY[kPage] = int16_t(c.height);
        doc.ChrPtnNum[kPage] = int16_t(c.count);
        PageImageOptions options;
        options.patternsOnly = true;
        options.scale = 2;
        const Expected<QImage> image = pageImage(doc, kPage, options);
        ASSERT_EQ(image.ok(), !c.size.isEmpty());
        if (image) {
            EXPECT_EQ(image.value().size(), c.size * 2);
        }
    }
}

TEST_F(PageImage, PngIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    doc.ColorMode[kPage] = kMode2Ex;
    doc.PixelData(kPage, 5, 6) = 2;
    const QImage image = pageImage(doc, kPage).value();
    ASSERT_TRUE(writePngImage(image, dir.filePath("page.png")).ok());
    const QImage back(dir.filePath("page.png"), "PNG");
    EXPECT_EQ(back.size(), QSize(64, 256));
    EXPECT_EQ(qAlpha(back.pixel(5, 6)), 0);
    EXPECT_EQ(back.pixel(5, 5), qRgb(255, 255, 255));

    EXPECT_FALSE(writePngImage(image, dir.filePath("missing/page.png")).ok());
    EXPECT_FALSE(writePngImage(QImage(), dir.filePath("null.png")).ok());
    EXPECT_FALSE(QFile::exists(dir.filePath("null.png")));
}

} // namespace
} // namespace vesk4
