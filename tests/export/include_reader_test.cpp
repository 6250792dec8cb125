#include "export/include_reader.h"

#include "document/page_state.h"
#include "export/include_export.h"
#include "include_text.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using namespace vesk4;

namespace {

// A block _Chr00 of the given pattern size, up to the data lines of its first pattern.
QByteArray blockHead(int width, int height)
{
    return lines({".global _Chr00", "", "_Chr00:"}) + "   .byte  " + QByteArray::number(width)
        + "    ; chr sizeX\r\n   .byte  " + QByteArray::number(height) + "    ; chr sizeY\r\n;PTN 0 \r\n";
}

// count blocks _P0, _P1, ... of one "2色" pattern of 8 x 8 cells, after "16色" palette lines when
// asked: each block takes 6 lines.
QByteArray monochromeFile(int count, bool paletteLines)
{
    QByteArray declarations, body, palette;
    for (int i = 0; i < count; ++i) {
        declarations += ".global _P" + QByteArray::number(i) + "\r\n";
        body += "\r\n_P" + QByteArray::number(i)
            + ":\r\n   .byte  8    ; chr sizeX\r\n   .byte  8    ; chr sizeY\r\n"
            + ";PTN 0 \r\n   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x80\r\n";
    }
    for (int k = 0; paletteLines && k < 16; ++k)
        palette += "   .word  0x0FFD    ; Palet16(" + QByteArray::number(k) + ")\r\n";
    return kBanner + declarations + palette + body + kClosing;
}

// Files as the export writes them, read back: the page and mode of the block, a few of its cells,
// how many notices the reading gives, and the same bytes exported again. How each mode's items read
// is also pinned by the random round trip of the property tests.
struct Example {
    const char *what;
    int page, mode, notices;
    QByteArray body;
    std::vector<std::array<int, 3>> cells; // x, y, value
};

TEST(IncludeReader, WorkedItemsGiveThePageAndCellsAndExportTheSameBytes)
{
    const Example examples[] = {
        // Cells 3 and 10 side by side: 0xA3 in "16色"; without palette lines the page is page 1.
        {"sixteen colours",
         1,
         1,
         1,
         blockHead(4, 2) + lines({"   .byte  0xA3,0xFFFF", "   .byte  0x0,0x1F"}),
         {{0, 0, 3}, {1, 0, 10}, {2, 0, 15}, {3, 0, 4095}, {3, 1, 1}}},
        // Height 1: a column byte of "2色" or a cell of "256色"; the monochrome reading, with a notice.
        {"ambiguous", 0, 3, 1, blockHead(2, 1) + lines({"   .byte  0x1,0x0"}), {{0, 0, 1}, {1, 0, 0}}},
        // An item above a byte leaves only "256色".
        {"not ambiguous", 0, 0, 0, blockHead(2, 1) + lines({"   .byte  0x1,0x100"}), {{1, 0, 256}}},
    };
    for (const Example &e : examples) {
        SCOPED_TRACE(e.what);
        const Expected<IncludeReadResult> read = readInclude(kBanner + e.body + kClosing);
        ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
        const Document doc = storedDocument(ProjectContent(read.value().content));
        EXPECT_EQ(doc.pages[e.page].colourMode, e.mode);
        for (const auto &[x, y, value] : e.cells)
            EXPECT_EQ(doc.PixelData(e.page, x, y), value) << x << "," << y;
        EXPECT_EQ(read.value().notices.size(), e.notices) << read.value().notices.join('\n').toStdString();
        EXPECT_EQ(includeFileBytes(doc).value(), kBanner + e.body + kClosing);
    }
}

// A "2色" block of two 8 x 8 patterns: ";PTN 0 " on line 10, its data on 11, pattern 1's on 13.
const QByteArray kTwoPatterns = kBanner + blockHead(8, 8)
    + lines({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0", ";PTN 1 ",
             "   .byte  0x2,0x0,0x0,0x0,0x0,0x0,0x0,0x0"})
    + kClosing;

QByteArray edited(const QByteArray &from, const QByteArray &to)
{
    return QByteArray(kTwoPatterns).replace(from, to);
}

// "256色" of width 20: pattern 3 covers columns 60-79, and a project file keeps only 0-63.
QByteArray beyondTheSheet()
{
    QByteArray body = kBanner + blockHead(20, 1);
    for (const char *pattern : {"", ";PTN 1 \r\n", ";PTN 2 \r\n", ";PTN 3 \r\n"})
        body += pattern + QByteArray("   .byte  0x100") + QByteArray(",0x0").repeated(18) + ",0x7\r\n";
    return body + kClosing;
}

// What cannot be placed or is not understood is refused with its line.
TEST(IncludeReader, RefusalsNameTheLine)
{
    const struct {
        const char *what;
        QByteArray text;
        int line;
        const char *says;
    } refusals[] = {
        {"truncated", kTwoPatterns.left(kTwoPatterns.indexOf(";PTN 1")), 11, "cut short"},
        {"missing item", edited("0x2,0x0", "0x2"), 13, "7 items"},
        {"empty item", edited("0x1,0x0", "0x1,"), 11, "Item 2"},
        {"label without sizes",
         edited(lines({"   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"}), ""), 7, "size lines"},
        {"not understood", edited(".global", "   mov  a,b\r\n.global"), 5, "Not understood"},
        {"undeclared block", edited(".global _Chr00\r\n", ""), 6, ".global"},
        {"colour bit without mask",
         kBanner + blockHead(8, 8)
             + lines({"   .byte  0x0,0x1,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0"})
             + kClosing,
         11, "mask"},
        {"32 blocks", monochromeFile(32, false), 4 + 32 + 31 * 6 + 2, "31st"},
        {"cell beyond the sheet", beyondTheSheet(), 17, "beyond the 64 x 256 sheet"},
        {"31 blocks from page 1", monochromeFile(31, true), 4 + 31 + 16 + 2, "page 31"},
        // A name longer than 512 KiB, in the label or in its declaration.
        {"long label", edited("_Chr00:", "_" + QByteArray(512 * 1024 + 1, 'A') + ":"), 7,
         "The name is 524289 bytes long; a page name has at most 524288 bytes"},
        {"long declaration", edited(".global _Chr00", ".global _" + QByteArray(10 << 20, 'A')), 5,
         "The name is 10485760 bytes long"},
    };
    for (const auto &r : refusals) {
        SCOPED_TRACE(r.what);
        const Expected<IncludeReadResult> read = readInclude(r.text);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.failure().line, r.line);
        EXPECT_TRUE(read.failure().message.contains(QString::fromUtf8(r.says)))
            << read.failure().message.toStdString();
    }
}

// The longest name a label may give becomes the page's name whole.
TEST(IncludeReader, ANameOf512KiBIsTheLongestTaken)
{
    const QByteArray name(512 * 1024, 'A');
    const Expected<IncludeReadResult> read = readInclude(QByteArray(kTwoPatterns).replace("Chr00", name));
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    EXPECT_EQ(read.value().content.pages[0].name, QString::fromLatin1(name));
}

// Each colour mode written and read back on page 0, patterns of an odd size: the page keeps its
// settings and every cell, and exports the same bytes again. The cells are values each mode reads
// back as written: any in "256色", 0-15 left in a "16色" pair, the row's colours in "4色", 0 and 1
// in "2色", 0 to 2 in "2色Ex".
TEST(IncludeReader, EachModeReadsBackWhatItWrote)
{
    const std::vector<int16_t> values[]
        = {{0, 5, 255, -1, 32767}, {0, 7, 15}, {0, 3, 28, 224}, {0, 1}, {0, 1, 2}};
    for (int mode = 0; mode <= 4; ++mode) {
        SCOPED_TRACE(mode);
        ProjectContent project = readInclude(kBanner + kClosing).value().content; // the start project
        PageSettings &page = project.pages[0];
        std::tie(page.colourMode, page.patternWidth, page.patternHeight, page.patternCount, page.outputFlag)
            = std::tuple(int16_t(mode), 5, 9, 14, 1); // pattern 13 starts a band: 65 cells in
        for (int n = 0; n < 14; ++n) {
            const int band = mode <= kMode4 ? 64 : 60;
            const int x0 = n * 5 % band, y0 = n * 5 / band * 9;
            // Pattern 12 of the row modes runs past column 63, where a project file keeps no cell.
            for (int y = y0; y < y0 + 9; ++y)
                for (int x = x0; x < std::min(x0 + 5, kSheetWidth); ++x)
                    project.pixels[std::size_t(y) * kSheetWidth + x]
                        = values[mode][(x * 3 + y * 5 + n) % values[mode].size()];
        }
        const QByteArray written = includeFileBytes(storedDocument(ProjectContent(project))).value();
        const Expected<IncludeReadResult> read = readInclude(written);
        ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
        EXPECT_TRUE(read.value().content == project);
    }
}

// A first block whose mode is not the palette lines' goes to page 1, and page 0 keeps the palette
// lines' mode, unflagged; without palette lines a first "16色" block goes there too and page 0
// stays the start page's "2色". The blocks may then reach page 30, not 31.
TEST(IncludeReader, AFirstBlockMovedToPage1LeavesPage0ThePaletteMode)
{
    const struct {
        const char *what;
        QByteArray text;
        int page0Mode, firstPage, lastPage;
    } cases[] = {
        {"16 colour palette", monochromeFile(2, true), kMode16, 1, 2},
        {"no palette, 2 colours", monochromeFile(1, false), kMode2, 0, 0},
        {"no palette, 16 colours",
         kBanner + blockHead(4, 2) + lines({"   .byte  0xA3,0xFFFF", "   .byte  0x0,0x1F"}) + kClosing,
         kMode2, 1, 1},
        {"30 blocks from page 1", monochromeFile(30, true), kMode16, 1, 30},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Expected<IncludeReadResult> read = readInclude(c.text);
        ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
        const auto &pages = read.value().content.pages;
        EXPECT_EQ(pages[0].colourMode, c.page0Mode);
        EXPECT_EQ(pages[0].outputFlag, c.firstPage == 0 ? 1 : 0);
        EXPECT_EQ(pages[c.firstPage].outputFlag, 1);
        EXPECT_EQ(pages[c.lastPage].outputFlag, 1);
        EXPECT_EQ(pages[c.lastPage + 1].outputFlag, 0);
    }

    // 31 blocks fit pages 0 to 30, but not when they start at page 1 (refused among the refusals).
    EXPECT_TRUE(readInclude(monochromeFile(31, false)).ok());
}

} // namespace
