// Characters of the hand-drawn test font (tests/data/glyph_font/hand8.bdf: 8 pixels, ascent 7) into
// patterns: the cells of each glyph, their place on the sheet for widths 8, 12 and 16, the pattern
// count, a character the font lacks, and the refusals.
//
// The font's glyphs, with their advance and their box (width, height, left, bottom):
//   "." advance 3, one cell at column 1 of the baseline row
//   "F" advance 6, 4 x 7 from column 1:  ####  #...  #...  ###.  #...  #...  #...
//   "g" advance 6, 4 x 6 from column 1, 2 rows below the baseline: .###  #..#  #..#  .###  ...#  ###.
//   "W" advance 10, a bar of 9 cells from column 0, 3 rows above the baseline
// The baseline is row 7 of a pattern; a glyph starts at (width - advance) / 2, half to even.
#include "document/page_state.h"
#include "image/glyph_import.h"

#include <QFile>
#include <QFontDatabase>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

const QString kFontFile = QStringLiteral(VESK4_TEST_DATA "/glyph_font/hand8.bdf");
constexpr int kPage = 4;

// The cells of the rectangle, one string a row: '#' for 1, '.' for 0, '2' for 2.
std::vector<std::string> cellsOf(const Document &doc, int page, QRect r)
{
    std::vector<std::string> rows;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::string row;
        for (int x = r.left(); x <= r.right(); ++x) {
            const int v = doc.PixelData(page, x, y);
            row += v == 1 ? '#' : v == 0 ? '.' : char('0' + v);
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> cellsOf(const GlyphCells &cells)
{
    std::vector<std::string> rows;
    for (int y = 0; y < cells.box.height(); ++y) {
        std::string row;
        for (int x = 0; x < cells.box.width(); ++x)
            row += cells.inkAt(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

class GlyphImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        startDocument(doc, state);
        Expected<GlyphFont> loaded = GlyphFont::load(kFontFile, 8);
        ASSERT_TRUE(loaded.ok()) << loaded.failure().message.toStdString();
        font.emplace(std::move(loaded.value()));
    }

    // Page kPage in "2色" with patterns of width x height, every sheet cell entry 2 so that each
    // written cell shows.
    void pageOf(int width, int height, int count = 0)
    {
        doc.pages[kPage].patternWidth = int16_t(width);
        doc.pages[kPage].patternHeight = int16_t(height);
        doc.pages[kPage].patternCount = int16_t(count);
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                doc.PixelData(kPage, x, y) = 2;
    }

    Expected<GlyphImportPlan> import(const QString &text, int first, int page = kPage)
    {
        Expected<GlyphImportPlan> plan = planGlyphImport(doc, page, *font, text, first);
        if (plan)
            applyGlyphImport(doc, plan.value());
        return plan;
    }

    Document doc;
    EditorState state;
    std::optional<GlyphFont> font;
};

// "F", "." and "W" (cut at the left) in 8 columns are checked where the placement test draws them
// into patterns 8 wide; here the glyph below the baseline and the blank one.
TEST_F(GlyphImport, EachGlyphGivesItsCellsAndItsCut)
{
    using Rows = std::vector<std::string>;
    const struct {
        char32_t character;
        Rows rows;
        bool cut;
    } cases[] = {
        // The last row of "g" (###. in row 8) lies below the box.
        {U'g',
         {"........", "........", "........", "...###..", "..#..#..", "..#..#..", "...###..", ".....#.."},
         true},
        {U' ', Rows(8, "........"), false},
    };
    for (const auto &c : cases) {
        const GlyphCells cells = font->draw(c.character, {8, 8});
        EXPECT_EQ(cellsOf(cells), c.rows) << codePointText(c.character).toStdString();
        EXPECT_EQ(cells.cut, c.cut) << codePointText(c.character).toStdString();
        EXPECT_FALSE(cells.missing);
    }
}

// "F.W" into patterns 4, 5 and 6 of pages 8, 12 and 16 cells wide and 9 high. On a "2色" page the
// bands hold whole patterns: 8 across for width 8, 5 (60 cells) for width 12, 4 for width 16.
// Starts: "F" and "W" at (width - 6) / 2 and (width - 10) / 2, "." at (width - 3) / 2 half to even:
// width 12 gives 3, 1 and 4 (4.5), width 16 gives 5, 3 and 6 (6.5).
TEST_F(GlyphImport, PatternsGoToTheirPlacesOnTheSheetForWidths8And12And16)
{
    const struct {
        int width;
        QPoint f, dot, w; // the patterns' top left cells
    } cases[] = {
        {8, {32, 0}, {40, 0}, {48, 0}},
        {12, {48, 0}, {0, 9}, {12, 9}},
        {16, {0, 9}, {16, 9}, {32, 9}},
    };
    for (const auto &c : cases) {
        pageOf(c.width, 9);
        const Expected<GlyphImportPlan> plan = import(QStringLiteral("F.W"), 4);
        ASSERT_TRUE(plan.ok()) << c.width;
        const int f = (c.width - 6) / 2 + 1; // the first column of F's box
        const int dot = c.width == 8 ? 3 : c.width == 12 ? 5 : 7;
        const int bar = (c.width - 10) / 2;
        std::vector<std::string> expectF(9, std::string(std::size_t(c.width), '.'));
        for (int y = 0; y < 7; ++y)
            expectF[std::size_t(y)][std::size_t(f)] = '#';
        for (int x = 1; x < 4; ++x)
            expectF[0][std::size_t(f + x)] = '#';
        for (int x = 1; x < 3; ++x)
            expectF[3][std::size_t(f + x)] = '#';
        std::vector<std::string> expectDot(9, std::string(std::size_t(c.width), '.'));
        expectDot[6][std::size_t(dot)] = '#';
        std::vector<std::string> expectW(9, std::string(std::size_t(c.width), '.'));
        for (int x = std::max(bar, 0); x < std::min(bar + 9, c.width); ++x)
            expectW[3][std::size_t(x)] = '#';

        EXPECT_EQ(cellsOf(doc, kPage, QRect(c.f, QSize(c.width, 9))), expectF) << c.width;
        EXPECT_EQ(cellsOf(doc, kPage, QRect(c.dot, QSize(c.width, 9))), expectDot) << c.width;
        EXPECT_EQ(cellsOf(doc, kPage, QRect(c.w, QSize(c.width, 9))), expectW) << c.width;
        EXPECT_EQ(plan.value().cutGlyphs, c.width == 8 ? 1 : 0) << c.width;
        // Nothing else of the sheet: 3 patterns of width x 9 cells were written.
        int written = 0;
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                written += doc.PixelData(kPage, x, y) != 2;
        EXPECT_EQ(written, 3 * c.width * 9) << c.width;
    }
}

// The count becomes first + characters when that is larger; undoing the plan brings back cells and
// count.
TEST_F(GlyphImport, ThePatternCountGrowsToTheLastPatternWritten)
{
    const struct {
        int countBefore, first, characters, countAfter;
    } cases[] = {{5, 2, 3, 5}, {5, 4, 3, 7}, {0, 96, 3, 99}};
    for (const auto &c : cases) {
        pageOf(8, 8, c.countBefore);
        const Document before = doc;
        const Expected<GlyphImportPlan> plan = import(QString(c.characters, QLatin1Char('F')), c.first);
        ASSERT_TRUE(plan.ok()) << c.first;
        EXPECT_EQ(doc.pages[kPage].patternCount, c.countAfter) << c.first;
        revertGlyphImport(doc, plan.value());
        EXPECT_TRUE(doc == before) << c.first;
    }
}

// A character without a glyph is reported by its code point and its pattern left blank.
TEST_F(GlyphImport, ACharacterTheFontLacksLeavesABlankPattern)
{
    pageOf(8, 8);
    const Expected<GlyphImportPlan> plan = import(QStringLiteral("FZ\u3042\U0001F600"), 0);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan.value().missing, std::vector<char32_t>({U'Z', U'\u3042', U'\U0001F600'}));
    EXPECT_EQ(plan.value().characters, 4); // by code point: the emoji is one character
    EXPECT_EQ(cellsOf(doc, kPage, QRect(8, 0, 24, 8)), std::vector<std::string>(8, std::string(24, '.')));
    EXPECT_EQ(doc.pages[kPage].patternCount, 4);
    EXPECT_EQ(codePointText(U'\u3042'), QStringLiteral("U+3042"));
    EXPECT_EQ(codePointText(U'\U0001F600'), QStringLiteral("U+1F600"));
}

// Every refusal names its reason and the document stays as it was.
TEST_F(GlyphImport, RefusalsLeaveTheDocument)
{
    const struct {
        int page, width, height, mode, first;
        QString text;
        const char *reason;
    } cases[] = {
        {31, 8, 8, kMode2, 0, QStringLiteral("F"), "no character page 31"},
        {kPage, 8, 8, kMode2, 0, QString(), "no characters"},
        {kPage, 8, 8, kMode2, -1, QStringLiteral("F"), "0 or more"},
        {kPage, 0, 8, kMode2, 0, QStringLiteral("F"), "cannot be laid out"},
        {kPage, 65, 8, kMode2, 0, QStringLiteral("F"), "cannot be laid out"},
        {kPage, 64, 8, kMode2, 0, QStringLiteral("F"), nullptr}, // the whole sheet's width
        {kPage, 8, 8, kMode2, 97, QStringLiteral("FFF"), "need 100 patterns; a page has at most 99"},
        // 8 x 64 patterns: 8 across, 4 bands: 32 patterns.
        {kPage, 8, 64, kMode2, 30, QStringLiteral("FFF"), "holds 32 patterns of 8 x 64 cells"},
        // Width 12 in 64-cell bands: pattern 5 would run from column 60 to 71.
        {kPage, 12, 8, kMode16, 0, QStringLiteral("FFFFFF"), "holds 5 patterns"},
        {kPage, 12, 8, kMode2, 0, QStringLiteral("FFFFFF"), nullptr},
    };
    for (const auto &c : cases) {
        if (c.page == kPage)
            pageOf(c.width, c.height, 1);
        doc.pages[kPage].colourMode = int16_t(c.mode);
        const Document before = doc;
        const Expected<GlyphImportPlan> plan = import(c.text, c.first, c.page);
        if (!c.reason) {
            EXPECT_TRUE(plan.ok());
            continue;
        }
        ASSERT_FALSE(plan.ok()) << c.reason;
        EXPECT_TRUE(plan.failure().message.contains(QString::fromUtf8(c.reason)))
            << plan.failure().message.toStdString();
        EXPECT_TRUE(doc == before) << c.reason;
    }
    for (int size : {3, 65})
        EXPECT_FALSE(GlyphFont::load(kFontFile, size).ok()) << size;
    for (int size : {4, 64})
        EXPECT_TRUE(GlyphFont::load(kFontFile, size).ok()) << size;
}

// Optional: an installed font by its family name, where the machine has IPAGothic (the build scripts
// install it), and the same font from its file: both drawn without smoothing, so the same cells.
TEST(GlyphFontLoad, AnInstalledFamilyAndItsFileDrawTheSameCells)
{
    const QString file = QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf");
    if (!QFontDatabase::families().contains(QStringLiteral("IPAGothic")) || !QFile::exists(file))
        GTEST_SKIP() << "IPAGothic is not installed";
    const Expected<GlyphFont> family = GlyphFont::load(QStringLiteral("IPAGothic"), 12);
    const Expected<GlyphFont> fromFile = GlyphFont::load(file, 12);
    ASSERT_TRUE(family.ok() && fromFile.ok());
    for (char32_t c : {U'A', U'g', U'@', U'\u3042'}) {
        const GlyphCells cells = family.value().draw(c, {16, 16});
        EXPECT_FALSE(cells.missing);
        EXPECT_GT(std::count(cells.ink.begin(), cells.ink.end(), 1), 5);
        EXPECT_EQ(cells.ink, fromFile.value().draw(c, {16, 16}).ink) << codePointText(c).toStdString();
    }
}

} // namespace
} // namespace vesk4
