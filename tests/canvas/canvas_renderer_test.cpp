#include "canvas/canvas_renderer.h"

#include "document/page_state.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(237, 28, 36);
const QRgb kBlue = qRgb(0, 162, 232);
QRgb grey(int n)
{
    return qRgb(n, n, n);
}

class CanvasRendererTest : public ::testing::Test {
protected:
    const CanvasRenderer &drawn()
    {
        renderer.redraw(doc, state);
        return renderer;
    }
    // The 7 x 9 pixels of a canvas cell that no grid line crosses, and the 2 x 3 thumbnail cell.
    ::testing::AssertionResult cellIs(int j, int i, QRgb canvasColour, QRgb thumbColour)
    {
        for (int y = 1; y < 10; ++y)
            for (int x = 1; x < 8; ++x)
                if (renderer.canvas().pixel(8 * j + x, 10 * i + y) != canvasColour)
                    return ::testing::AssertionFailure() << "canvas cell " << j << "," << i;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 2; ++x)
                if (renderer.thumbnail().pixel(2 * j + x, 3 * i + y) != thumbColour)
                    return ::testing::AssertionFailure() << "thumbnail cell " << j << "," << i;
        return ::testing::AssertionSuccess();
    }
    static const EditorState &started(Document &d, EditorState &s)
    {
        startDocument(d, s);
        return s;
    }

    Document doc;
    EditorState state;
    CanvasRenderer renderer{started(doc, state)};
};

TEST_F(CanvasRendererTest, SourcePicturesHoldSwatchesAndLineTiles)
{
    EXPECT_EQ(renderer.canvas().size(), QSize(512, 640));
    EXPECT_EQ(renderer.thumbnail().size(), QSize(128, 192));
    const QImage &strip = renderer.colourStrip();
    EXPECT_EQ(strip.size(), QSize(2560, 10));
    for (int c : {0, 1, 128, 200, 255})
        for (QPoint p : {QPoint(8 * c, 0), QPoint(8 * c + 7, 9)})
            EXPECT_EQ(strip.pixel(p), grey(c)) << c;

    const QImage dots = CanvasRenderer::makeLinePatternPicture();
    EXPECT_EQ(dots.size(), QSize(36, 32));
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(dots.pixel(0 + t, 10), t % 2 ? kWhite : kBlack);
        EXPECT_EQ(dots.pixel(24 + t, 10), t % 2 ? kWhite : kBlue);
        EXPECT_EQ(dots.pixel(12 + t, 21), kRed);
    }
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(dots.pixel(10, 10 + t), t % 2 ? kWhite : kBlack);
        EXPECT_EQ(dots.pixel(34, 10 + t), t % 2 ? kWhite : kBlue);
        EXPECT_EQ(dots.pixel(21, 21 + t), kRed);
    }
    EXPECT_EQ(dots.pixel(0, 0), kWhite);
    EXPECT_EQ(dots.pixel(5, 5), kBlack); // filled squares
    EXPECT_EQ(dots.pixel(21, 9), kRed);
    EXPECT_EQ(dots.pixel(22, 11), kWhite); // row 11 skips x0 + 10
    EXPECT_EQ(dots.pixel(23, 11), kRed);
    EXPECT_EQ(dots.pixel(35, 19), kBlue);
    EXPECT_EQ(dots.pixel(28, 25), kWhite); // inside an outline
    EXPECT_EQ(dots.pixel(24, 30), kBlue);
    EXPECT_EQ(dots.pixel(11, 20), kWhite);
}

TEST_F(CanvasRendererTest, StartUpCanvasIsWhiteCellsUnderTheGrid)
{
    // Blue dots at even offsets from every cell start, the black dotted grid left and top only
    // (the rest lies under the red pattern lines every 8 cells), later families over earlier ones.
    const auto expected = [](int x, int y) {
        if ((x % 64 == 0 && x > 0) || (y % 80 == 0 && y > 0))
            return kRed;
        if (x == 0)
            return y % 10 % 2 ? kWhite : kBlack;
        if (y == 0)
            return x % 8 % 2 ? kWhite : kBlack;
        if (x % 8 == 0)
            return y % 10 % 2 ? kWhite : kBlue;
        if (y % 10 == 0)
            return x % 8 % 2 ? kWhite : kBlue;
        return kWhite;
    };
    drawn();
    int wrong = 0;
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 512; ++x)
            if (renderer.canvas().pixel(x, y) != expected(x, y) && ++wrong == 1)
                ADD_FAILURE() << "first wrong pixel " << x << "," << y;
    EXPECT_EQ(wrong, 0);
    for (int i = 0; i < 64; ++i)
        for (int j = 0; j < 64; ++j)
            ASSERT_TRUE(cellIs(j, i, kWhite, kWhite));
}

TEST_F(CanvasRendererTest, CellsShowTheGreyOfPageZerosPalette)
{
    doc.PixelData(0, 3, 2) = 1; // colour 0
    doc.PixelData(0, 63, 63) = 5; // colour 16
    doc.PixelData(0, 4, 2) = 2; // colour 128 = rightPenAltColour
    drawn();
    EXPECT_TRUE(cellIs(3, 2, kBlack, kBlack));
    EXPECT_TRUE(cellIs(63, 63, grey(16), grey(16)));
    EXPECT_TRUE(cellIs(4, 2, kWhite, kWhite)); // "2色": shown as rightPenColour
    doc.ColorMode[0] = kMode2Ex;
    drawn();
    EXPECT_TRUE(cellIs(4, 2, grey(128), kWhite));

    // Any page shows through the palette of page 0.
    state.currentPage = 1;
    doc.Pal16[1][1] = 50;
    doc.PixelData(1, 0, 0) = 1;
    drawn();
    EXPECT_TRUE(cellIs(0, 0, kBlack, kBlack));
    EXPECT_TRUE(cellIs(3, 2, kWhite, kWhite));

    // With rightPenAltColour = rightPenColour the thumbnail whitens rightPenColour itself.
    state.rightPenColour = state.rightPenAltColour = 0;
    drawn();
    EXPECT_TRUE(cellIs(0, 0, kBlack, kWhite));
}

TEST_F(CanvasRendererTest, ColumnsBeyondTheLastWholePatternAreGrey)
{
    for (int x = 0; x < 64; ++x)
        doc.PixelData(0, x, 1) = 1;
    doc.ChrSizeX[0] = 24;
    drawn();
    EXPECT_TRUE(cellIs(47, 1, kBlack, kBlack));
    for (int j = 48; j < 64; ++j)
        EXPECT_TRUE(cellIs(j, 0, grey(200), grey(200)) && cellIs(j, 1, grey(200), grey(200))) << j;
    EXPECT_EQ(doc.PixelData(0, 50, 1), 1);

    // The grey is a colour number like any other: "2色" shows it as rightPenColour if it is
    // rightPenAltColour.
    state.rightPenAltColour = 200;
    drawn();
    EXPECT_TRUE(cellIs(50, 1, kWhite, kWhite));

    // No whole pattern at all: every column grey, and nothing fails.
    state.rightPenAltColour = 128;
    for (int width : {0, -8, 65, 32767}) {
        doc.ChrSizeX[0] = int16_t(width);
        drawn();
        EXPECT_TRUE(cellIs(0, 1, grey(200), grey(200)) && cellIs(63, 63, grey(200), grey(200))) << width;
    }
}

TEST_F(CanvasRendererTest, ValuesOutsideTheTablesShowBlack)
{
    doc.PixelData(0, 0, 0) = 17;
    doc.PixelData(0, 1, 0) = -1;
    doc.PixelData(0, 2, 0) = 16; // the spare entry, 0
    doc.PixelData(0, 3, 0) = 3;
    doc.PixelData(0, 4, 0) = 4;
    doc.Pal16[0][3] = 256;
    doc.Pal16[0][4] = -5;
    drawn();
    for (int j = 0; j < 5; ++j)
        EXPECT_TRUE(cellIs(j, 0, kBlack, kBlack)) << j;

    // Reads past the store's last row give entry 0; an unknown page shows grey.
    state.scrollRow = 390;
    doc.PixelData(0, 0, 400) = 1;
    drawn();
    EXPECT_TRUE(cellIs(0, 10, kBlack, kBlack));
    EXPECT_TRUE(cellIs(0, 11, kWhite, kWhite));
    state.currentPage = 32;
    drawn();
    EXPECT_TRUE(cellIs(0, 0, grey(200), grey(200)));

    // A renderer without a usable geometry draws nothing.
    CanvasRenderer empty{EditorState{}};
    empty.redraw(doc, state);
    EXPECT_TRUE(empty.canvas().isNull());
}

TEST_F(CanvasRendererTest, GridFollowsTheScrollAndTheSettings)
{
    state.scrollRow = 3; // grid and pattern lines at page rows 8, 16, ...: view rows 5, 13, ...
    doc.PixelData(0, 0, 3) = 1;
    drawn();
    EXPECT_TRUE(cellIs(0, 0, kBlack, kBlack));
    const QImage &c = renderer.canvas();
    for (int x : {1, 2, 3, 300}) {
        EXPECT_EQ(c.pixel(x, 0), x % 2 ? kWhite : kBlue) << x; // no black line above row 3
        EXPECT_EQ(c.pixel(x, 50), kRed) << x;
        EXPECT_EQ(c.pixel(x, 130), kRed) << x;
        EXPECT_EQ(c.pixel(x, 80), x % 2 ? kWhite : kBlue) << x;
    }
    // Pattern lines keep their own remainder: page rows 16, 32, ... are view rows 5, 21, ...
    state.scrollRow = 11;
    doc.currentPatternHeight = 16;
    drawn();
    for (int x : {1, 2, 3, 300}) {
        EXPECT_EQ(c.pixel(x, 50), kRed) << x;
        EXPECT_EQ(c.pixel(x, 130), x % 2 ? kWhite : kBlack) << x;
        EXPECT_EQ(c.pixel(x, 210), kRed) << x;
        EXPECT_EQ(c.pixel(x, 290), x % 2 ? kWhite : kBlack) << x;
    }
    EXPECT_EQ(c.pixel(64, 55), kRed); // vertical lines unmoved
    EXPECT_EQ(c.pixel(0, 52), kBlack);

    // Grid columns at page columns 16, 24, ...: view columns 3, 11, ...; pattern columns at page
    // columns 16, 32, ...: view columns 3, 19, ...
    state.scrollColumn = 13;
    state.scrollRow = 0;
    doc.currentPatternWidth = 16;
    doc.currentPatternHeight = 8;
    drawn();
    EXPECT_EQ(c.pixel(24, 3), kRed);
    EXPECT_EQ(c.pixel(88, 2), kBlack);
    EXPECT_EQ(c.pixel(88, 3), kWhite);
    EXPECT_EQ(c.pixel(152, 3), kRed);
    EXPECT_EQ(c.pixel(64, 3), kWhite);
    EXPECT_EQ(c.pixel(0, 2), kBlue);

    state.scrollColumn = 0;
    doc.currentPatternWidth = 8;
    doc.GridX = doc.GridY = 0;
    drawn();
    EXPECT_EQ(c.pixel(0, 0), kWhite);
    EXPECT_EQ(c.pixel(8, 2), kWhite);
    EXPECT_EQ(c.pixel(2, 10), kWhite);
    EXPECT_EQ(c.pixel(64, 5), kRed);
    EXPECT_EQ(c.pixel(5, 80), kRed);

    doc.currentPatternWidth = doc.currentPatternHeight = 0;
    drawn();
    EXPECT_EQ(c.pixel(64, 5), kWhite);
    EXPECT_EQ(c.pixel(5, 80), kWhite);
}

} // namespace
} // namespace vesk4
