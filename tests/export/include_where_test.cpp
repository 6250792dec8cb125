// Where cells land in the data of the include file and how many bytes it assembles to, against
// places worked out by hand from the layout rules, and against the bytes the export writes.
#include "export/include_where.h"

#include "document/page_state.h"
#include "export/include_export.h"
#include "include_text.h"

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// Page 0 "16色" (a palette of 16 words before the blocks), then one page of each other mode, odd
// widths among them, one page not exported and the map.
Document firmwareDocument()
{
    Document doc = startedDocument();
    setPage(doc.pages[0], kMode16, 5, 2, 14); // 3 bytes a row, 6 a pattern, block 86 at 32
    setPage(doc.pages[2], kMode256, 20, 1, 4); // block 82 at 118
    setPage(doc.pages[4], kMode4, 5, 3, 2); // 2 bytes a row, 6 a pattern, block 14 at 200
    setPage(doc.pages[5], kMode2, 20, 8, 4); // bands of 60 columns, block 82 at 214
    setPage(doc.pages[6], kMode2Ex, 3, 5, 22); // bands of 63 columns, 6 bytes a pattern, block 134 at 296
    setPage(doc.pages[7], kMode2, 8, 8, 1, 0);
    setPage(doc.pages[31], kMode2, 8, 8, 1); // the BG page is never exported
    doc.FileVer = 1;
    return doc;
}

struct Where {
    int page;
    int64_t x, y;
    const char *text; // nullptr: no pattern holds the cell
};

const Where kCells[] = {
    // "16色": two cells a byte, the left one in the low four bits.
    {0, 0, 0, "pattern=0 byte=2 bit=0 bits=4 offset=34"},
    {0, 3, 1, "pattern=0 byte=6 bit=4 bits=4 offset=38"},
    {0, 4, 1, "pattern=0 byte=7 bit=0 bits=4 offset=39"}, // last cell of pattern 0, a byte of its own
    {0, 63, 1, "pattern=12 byte=78 bit=4 bits=4 offset=110"}, // pattern 12 runs on past column 63
    {0, 1, 2, "pattern=13 byte=80 bit=0 bits=4 offset=112"},
    {0, 5, 3, "pattern=13 byte=85 bit=0 bits=4 offset=117"}, // last byte of the block
    {0, 0, 2, nullptr}, // where pattern 12 would go on, had it come back on the left
    {0, 6, 2, nullptr}, // pattern 14: beyond the count
    // "256色": a byte a cell.
    {2, 0, 0, "pattern=0 byte=2 bit=0 bits=8 offset=120"},
    {2, 61, 0, "pattern=3 byte=63 bit=0 bits=8 offset=181"},
    {2, 0, 1, nullptr},
    // "4色": four cells a byte, a width of 5 leaves the second byte three places of padding.
    {4, 4, 2, "pattern=0 byte=7 bit=0 bits=2 offset=207"},
    {4, 7, 0, "pattern=1 byte=8 bit=4 bits=2 offset=208"},
    {4, 10, 0, nullptr},
    // "2色": a column byte of eight rows, bands of three whole patterns.
    {5, 45, 5, "pattern=2 byte=47 bit=5 bits=1 offset=261"},
    {5, 0, 8, "pattern=3 byte=62 bit=0 bits=1 offset=276"}, // a new band, not columns 60-79
    {5, 19, 15, "pattern=3 byte=81 bit=7 bits=1 offset=295"}, // last cell and byte of the block
    {5, 63, 0, nullptr}, // the unused columns
    {5, 0, 16, nullptr},
    // "2色Ex": the mask byte before the colour byte, rows 5-7 of a column group read the band below.
    {6, 0, 0, "pattern=0 byte=3 bit=0 bits=1 mask=2 offset=299"},
    {6, 61, 4, "pattern=20 byte=125 bit=4 bits=1 mask=124 offset=421"},
    {6, 2, 7, "pattern=21 byte=133 bit=2 bits=1 mask=132 offset=429"},
    {6, 63, 0, nullptr},
    {6, 5, 5, nullptr},
    // Pages the export does not write: the place, without an offset.
    {7, 7, 7, "pattern=0 byte=9 bit=7 bits=1"},
    {31, 0, 1, "pattern=0 byte=2 bit=1 bits=1"},
    {7, -1, 0, nullptr},
};

TEST(IncludeWhere, CellsNameTheirPatternByteBitAndOffset)
{
    const Document doc = firmwareDocument();
    for (const Where &c : kCells) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " (" << c.x << ", " << c.y << ")");
        const Expected<CellWhere> where = whereCell(doc, c.page, c.x, c.y);
        ASSERT_EQ(where.ok(), c.text != nullptr);
        if (where)
            EXPECT_EQ(whereText(where.value()), QString::fromLatin1(c.text));
        else
            EXPECT_TRUE(where.failure().message.contains(QStringLiteral("lies in none")));
    }
}

TEST(IncludeWhere, SizesAreTheBytesTheExportWrites)
{
    Document doc = firmwareDocument();
    const IncludeSizes sizes = includeSizes(doc).value();
    EXPECT_EQ(sizes.paletteBytes, 32);
    EXPECT_EQ(sizes.mapBytes, 512);
    const int64_t expected[][4]
        = {{0, 14, 86, 32}, {2, 4, 82, 118}, {4, 2, 14, 200}, {5, 4, 82, 214}, {6, 22, 134, 296}};
    ASSERT_EQ(sizes.blocks.size(), std::size(expected));
    for (size_t i = 0; i < sizes.blocks.size(); ++i) {
        const IncludeBlockSize &b = sizes.blocks[i];
        EXPECT_EQ((std::array<int64_t, 4>{b.page, b.patterns, b.bytes, b.offset}),
                  std::to_array(expected[i]));
    }
    EXPECT_EQ(sizes.total, 942);
    EXPECT_EQ(sizes.total, assembledBytes(includeFileBytes(doc).value()));

    // "4色" palette bytes, no map, a negative count: the export's bytes again.
    doc.pages[0].colourMode = kMode4;
    doc.pages[0].patternCount = -3;
    doc.FileVer = 2;
    const IncludeSizes other = includeSizes(doc).value();
    EXPECT_EQ(other.paletteBytes, 4);
    EXPECT_EQ(other.blocks[0].bytes, 2);
    EXPECT_EQ(other.total, 4 + 2 + 82 + 14 + 82 + 134);
    EXPECT_EQ(other.total, assembledBytes(includeFileBytes(doc).value()));
    EXPECT_EQ(whereText(whereCell(doc, 2, 0, 0).value()),
              QStringLiteral("pattern=0 byte=2 bit=0 bits=8 offset=8"));
}

// A page that cannot be laid out has no places; before a flagged page it leaves the places of that
// page without an offset, as the export would write nothing; and no size.
TEST(IncludeWhere, PagesThatCannotBeLaidOutAreNamed)
{
    Document doc = firmwareDocument();
    doc.pages[3].outputFlag = 1;
    doc.pages[3].patternWidth = 65; // wider than a band of "2色"
    EXPECT_TRUE(whereCell(doc, 3, 0, 0).failure().message.contains(QStringLiteral("page 3 \"Chr03\"")));
    EXPECT_TRUE(includeSizes(doc).failure().message.contains(QStringLiteral("page 3 \"Chr03\"")));
    EXPECT_EQ(whereText(whereCell(doc, 2, 0, 0).value()),
              QStringLiteral("pattern=0 byte=2 bit=0 bits=8 offset=120"));
    EXPECT_EQ(whereText(whereCell(doc, 4, 0, 0).value()), QStringLiteral("pattern=0 byte=2 bit=0 bits=2"));
}

} // namespace
