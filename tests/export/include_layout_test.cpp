// The include layout against expectations worked out by hand from the rules of the include file:
// where each pattern lies, how many items and lines it takes, how cells pack into items and back,
// and which byte and bits of a page's block hold a cell, for every colour mode and odd widths.
#include "export/include_layout.h"

#include "document/page_state.h"
#include "export/include_export.h"
#include "include_text.h"

#include <QList>

#include <gtest/gtest.h>

#include <vector>

using namespace vesk4;

namespace {

const Pal4Row kDefaultRow{0, 3, 28, 224};
// Two entries alike and no 0 first: indices are the lowest entry holding a value.
const Pal4Row kOddRow{9, 28, 28, 0};

IncludeLayout layoutOf(int mode, int width, int height)
{
    const std::optional<IncludeLayout> layout = includeLayout(mode, width, height);
    EXPECT_TRUE(layout) << mode << " " << width;
    return layout.value_or(IncludeLayout{});
}

// Where pattern n starts (bands of 64 columns for the row modes, of whole patterns for the column
// modes), items per data line, data lines per pattern and bytes per pattern; and the sizes that
// cannot be laid out at all.
struct Placement {
    int mode, width, height, pattern;
    int64_t x, y, items, rows, patternBytes;
};

TEST(IncludeLayout, PatternsLieSideBySideInBandsOfItemRows)
{
    const Placement cases[] = {
        {0, 20, 1, 3, 60, 0, 20, 1, 20}, // runs on to column 79
        {0, 20, 1, 4, 16, 1, 20, 1, 20}, {1, 5, 2, 13, 1, 2, 3, 2, 6}, // 65 cells in: band 1, column 1
        {2, 5, 3, 13, 1, 3, 2, 3, 6},    {2, 8, 8, 8, 0, 8, 2, 8, 16},
        {3, 20, 8, 2, 40, 0, 20, 1, 20}, {3, 20, 8, 3, 0, 8, 20, 1, 20}, // a new band, not columns 60-79
        {3, 5, 20, 12, 0, 20, 5, 3, 15}, {4, 3, 5, 20, 60, 0, 3, 1, 6},
        {4, 3, 5, 21, 0, 5, 3, 1, 6}, // band width 63
        {7, 20, 8, 3, 0, 8, 20, 1, 40}, // an unknown mode lays out as "2色Ex"
        {3, 64, 0, 2, 0, 0, 64, 0, 0},   {3, 1, -8, 0, 0, 0, 1, 0, 0},
    };
    for (const Placement &c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.width << "x" << c.height << " " << c.pattern);
        const IncludeLayout layout = layoutOf(c.mode, c.width, c.height);
        EXPECT_EQ(std::tuple(layout.origin(c.pattern).x, layout.origin(c.pattern).y, layout.itemsPerRow(),
                             layout.rowsPerPattern(), layout.bytesPerPattern()),
                  std::tuple(c.x, c.y, c.items, c.rows, c.patternBytes));
    }
    for (int mode : {0, 1, 2, 3, 4})
        EXPECT_FALSE(includeLayout(mode, 0, 8)) << mode;
    EXPECT_FALSE(includeLayout(3, 65, 8) || includeLayout(4, 65, 8));
}

// Items worked out by hand, and the cells they unpack into again (unpacked, where not the cells).
TEST(IncludeLayout, ItemsPackAndUnpackAgain)
{
    const struct {
        int mode;
        std::vector<int16_t> cells; // in bit order
        int inside;
        int64_t value;
        int mask;
        std::vector<int16_t> unpacked;
        bool oddRow;
    } cases[] = {
        {0, {171}, 1, 171, 0, {}, false},
        {0, {-1}, 1, -1, 0, {}, false},
        {1, {3, 10}, 2, 0xA3, 0, {}, false}, // the left cell low
        {1, {15, 32767}, 2, 0x7FFFF, 0, {}, false}, // every bit kept beyond a byte
        {1, {0, -4096}, 2, -65536, 0, {}, false},
        {1, {5, 9}, 1, 5, 0, {5, 0}, false}, // the right cell past the edge
        {2, {0, 224, 3, 28}, 4, 0x9C, 0, {}, false}, // the leftmost lowest
        {2, {224, 224, 224, 224}, 3, 0x3F, 0, {224, 224, 224, 0}, false},
        {2, {28, 0, 9, 5}, 4, 0xD, 0, {28, 0, 9, 9}, true}, // the lowest equal entry, 0 for none
        {2, {28, 0, 0, 0}, 1, 0x1, 0, {}, true}, // past the edge 0, not the index of 0
        {3, {1, 0, 2, 0, 0, 0, 0, 1}, 8, 0x81, 0, {1, 0, 0, 0, 0, 0, 0, 1}, false}, // the top cell bit 0
        {4, {1, 0, 2, 0, 0, 0, 0, 1}, 8, 0x81, 0xFB, {}, false},
        {4, {5, 1, 1, 1, 1, 1, 1, 2}, 8, 0x7E, 0x7F, {0, 1, 1, 1, 1, 1, 1, 2}, false}, // others as 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.value);
        const IncludeLayout layout = layoutOf(c.mode, 8, 8);
        const Pal4Row &row = c.oddRow ? kOddRow : kDefaultRow;
        std::vector<int16_t> cells = c.cells;
        cells.resize(8);
        const PackedItem item = packItem(layout, cells.data(), c.inside, row);
        EXPECT_EQ(item.value, c.value);
        EXPECT_EQ(item.mask, c.mask);
        // As the file lists it: a negative 16-bit value in 16-bit two's complement, a lower one in 32.
        const int64_t v = item.value;
        const uint32_t written = uint32_t(v >= 0 || v < INT16_MIN ? v : v & 0xFFFF);
        const UnpackedItem back = unpackItem(layout, written, uint32_t(item.mask), c.inside, row);
        ASSERT_EQ(back.fault, UnpackFault::None);
        std::vector<int16_t> expected = c.unpacked.empty() ? c.cells : c.unpacked;
        expected.resize(8);
        EXPECT_EQ(std::vector<int16_t>(back.cells.begin(), back.cells.end()), expected);
    }
}

// Items no cells give.
TEST(IncludeLayout, ItemsNoCellsGiveAreRefused)
{
    const struct {
        int mode;
        uint32_t value, mask;
        int inside;
        Pal4Row row;
        UnpackFault fault;
        int cell;
    } cases[] = {
        {0, 0x10000, 0, 1, kDefaultRow, UnpackFault::TooWide, 0},
        {1, 0x10000, 0, 1, kDefaultRow, UnpackFault::TooWide, 0}, // one cell holds 16 bits only
        {1, 0x90000, 0, 2, kDefaultRow, UnpackFault::NotASum, 0}, // above 17 x 32767
        {2, 0x100, 0, 4, kDefaultRow, UnpackFault::TooWide, 0},
        {2, 0x10, 0, 2, kDefaultRow, UnpackFault::IndexPastEdge, 2},
        {2, 0x8, 0, 4, kOddRow, UnpackFault::SharedEntry, 1}, // entry 2 repeats entry 1
        {3, 0x100, 0, 8, kDefaultRow, UnpackFault::TooWide, 0},
        {4, 0x1, 0x100, 8, kDefaultRow, UnpackFault::TooWide, 0},
        {4, 0x1, 0x0, 8, kDefaultRow, UnpackFault::ColourWithoutMask, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.value);
        const UnpackedItem item = unpackItem(layoutOf(c.mode, 8, 8), c.value, c.mask, c.inside, c.row);
        EXPECT_EQ(item.fault, c.fault);
        EXPECT_EQ(item.faultCell, c.cell);
    }
}

// Where a cell lands in its page's block: the block's two size bytes, then each pattern's lines.
struct Place {
    int mode, width, height, count;
    int64_t x, y;
    std::optional<IncludeCellPlace> place;
};

IncludeCellPlace at(int64_t pattern, int64_t byte, int bit, int bits, std::optional<int64_t> mask = {})
{
    return {pattern, byte, bit, bits, mask};
}

const Place kPlaces[] = {
    {3, 8, 8, 2, 9, 3, at(1, 2 + 8 + 1, 3, 1)},
    {3, 8, 20, 1, 0, 19, at(0, 2 + 2 * 8, 3, 1)}, // third line of items
    {4, 8, 8, 2, 9, 3, at(1, 2 + 16 + 3, 3, 1, 2 + 16 + 2)},
    {0, 20, 1, 4, 61, 0, at(3, 2 + 3 * 20 + 1, 0, 8)},
    {1, 5, 2, 14, 1, 2, at(13, 2 + 13 * 6, 0, 4)},
    {1, 5, 2, 14, 5, 3, at(13, 2 + 13 * 6 + 3 + 2, 0, 4)}, // the padded last item of line 2
    {1, 5, 2, 14, 4, 2, at(13, 2 + 13 * 6 + 1, 4, 4)},
    {2, 8, 1, 1, 6, 0, at(0, 2 + 1, 4, 2)},
    {1, 5, 2, 14, 0, 2, std::nullopt}, // pattern 12 runs past column 63 instead
    {3, 8, 8, 1, 9, 0, std::nullopt}, // beyond the count
    {3, 20, 8, 9, 61, 0, std::nullopt}, // columns 60-63 hold no pattern
    {3, 8, 8, 9, -1, 0, std::nullopt},
};

// The bytes of page 0's block as the export writes them: sizes first, then every item, a pair as two.
std::vector<int64_t> blockBytes(const QByteArray &file)
{
    std::vector<int64_t> bytes;
    for (const QByteArray &line : file.mid(file.indexOf("_Chr00:")).split('\n')) {
        if (line.startsWith("   .byte  "))
            for (const QByteArray &item : line.mid(10).split(';').front().trimmed().split(','))
                bytes.push_back(item.trimmed().toLongLong(nullptr, 0));
    }
    return bytes;
}

// Each place, and a single cell set there on an exported page shows in exactly the byte and bits it
// names.
TEST(IncludeLayout, CellPlacesCountFromTheBlocksFirstByteAndNameTheBytesTheExportWrites)
{
    const auto fields = [](const std::optional<IncludeCellPlace> &p) {
        return p ? std::optional(std::tuple(p->pattern, p->byte, p->bit, p->bits, p->maskByte))
                 : std::nullopt;
    };
    for (const Place &c : kPlaces) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.width << " (" << c.x << ", " << c.y << ")");
        EXPECT_EQ(fields(includeCellPlace(layoutOf(c.mode, c.width, c.height), c.count, c.x, c.y)),
                  fields(c.place));
        if (!c.place || c.x < 0)
            continue;
        Document doc = startedDocument();
        setPage(doc.pages[0], c.mode, c.width, c.height, c.count);
        // Value 3 is entry 1 of the default "4色" row; 1 a set bit in the column modes.
        const int value = c.mode <= kMode4 ? 3 : 1;
        const int code = c.mode == kMode4 ? 1 : value;
        doc.PixelData(0, int(c.x), int(c.y)) = int16_t(value);
        const std::vector<int64_t> bytes = blockBytes(includeFileBytes(doc).value());
        ASSERT_GT(int64_t(bytes.size()), c.place->byte);
        for (int64_t b = 2; b < int64_t(bytes.size()); ++b) {
            int64_t expected = b == c.place->byte ? int64_t(code) << c.place->bit : 0;
            if (c.mode == kMode2Ex) // mask bytes are set for every cell that is not entry 2
                expected = b % 2 == 0 ? 0xFF : expected;
            EXPECT_EQ(bytes[b], expected) << "byte " << b;
        }
    }
}

} // namespace
