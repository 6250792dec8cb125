#pragma once

// Where a page's patterns lie on its sheet and how their cells become the bytes of the page's block
// in the include file. The export writes through it and the include reader reads back through it,
// so the two directions cannot drift apart.

#include <array>
#include <cstdint>
#include <optional>

namespace vesk4 {

// The block of a page begins with two bytes after its label, pattern width and pattern height; the
// patterns follow, one after the other.
inline constexpr int64_t kBlockHeaderBytes = 2;

// The four colours a "4色" page indexes, in entry order.
using Pal4Row = std::array<int16_t, 4>;

// The entry of the row the export writes for a cell: the lowest that holds the value, else 0.
int pal4Index(const Pal4Row &row, int value);

struct PatternOrigin {
    int64_t x = 0;
    int64_t y = 0;
};

// How one page is laid out, from its colour mode and pattern size.
//
// An item is what one data line lists between commas (a mask and colour pair in "2色Ex" is one item
// of two bytes). It packs the cells (x + k, y) for k < itemWidth in "256色", "16色" and "4色", the
// cells (x, y + k) for k < itemHeight in "2色" and "2色Ex"; cell k takes the bits from
// k * bitsPerCell upwards. A data line holds the items of one row of items, left to right.
struct IncludeLayout {
    int mode = 0; // the page's colour mode as stored; a value that is no mode lays out as "2色Ex"
    int64_t width = 0; // pattern width and height in cells
    int64_t height = 0;
    int64_t bandWidth
        = 0; // columns of one band of patterns; the next pattern that would reach past it starts a band
    int itemWidth = 1; // cells side by side in one item
    int itemHeight = 1; // rows one above the other in one item: also the rows from one data line to the next
    int bitsPerCell = 8;
    bool maskBytes = false; // each item is a mask byte followed by a colour byte

    int bytesPerItem() const { return maskBytes ? 2 : 1; }
    // Data lines per pattern: every row, or every eighth, from the pattern's top row; a group of
    // eight rows reaches past the last row of a pattern whose height is no multiple of 8.
    int64_t rowsPerPattern() const { return height > 0 ? (height + itemHeight - 1) / itemHeight : 0; }
    // Items per data line; the last item of a width that is no multiple of the item width is
    // padded with zero bits.
    int64_t itemsPerRow() const { return (width + itemWidth - 1) / itemWidth; }
    int64_t bytesPerRow() const { return itemsPerRow() * bytesPerItem(); }
    int64_t bytesPerPattern() const { return rowsPerPattern() * bytesPerRow(); }

    // The top-left cell of pattern n: patterns lie side by side from the sheet's top left, a new
    // band of `height` rows starting every bandWidth columns.
    PatternOrigin origin(int64_t n) const
    {
        const int64_t p = n * width;
        return {p % bandWidth, p / bandWidth * height};
    }
};

// The layout of a page, or nothing when its patterns cannot be laid out: a width below 1, or above
// the 64 columns of the sheet in "2色" and "2色Ex", whose bands hold whole patterns.
std::optional<IncludeLayout> includeLayout(int mode, int64_t width, int64_t height);

// One item as the export writes it.
struct PackedItem {
    int64_t value = 0; // the colour byte in "2色" and "2色Ex"; beyond a byte only in "256色" and "16色"
    int mask = 0; // the mask byte, in "2色Ex" only
};

// Packs the item whose cells are cells[0 .. itemWidth * itemHeight - 1] in bit order. Only the first
// `inside` cells are taken (the rest lie past the pattern's right edge) and give zero bits.
PackedItem packItem(const IncludeLayout &layout, const int16_t *cells, int inside, const Pal4Row &pal4);

// Why an item does not unpack into cells.
enum class UnpackFault {
    None,
    TooWide, // more bits than the item's cells hold
    NotASum, // a "16色" item that no two 16-bit cells give
    IndexPastEdge, // a "4色" index other than 0 in a place past the pattern's right edge
    SharedEntry, // a "4色" index naming a colour an earlier entry of the row also holds
    ColourWithoutMask, // a "2色Ex" colour bit where the mask bit is clear
};

struct UnpackedItem {
    std::array<int16_t, 8> cells{}; // in bit order, as packItem takes them
    UnpackFault fault = UnpackFault::None;
    int faultCell = 0; // the cell whose index is at fault (IndexPastEdge, SharedEntry)
};

// The cells an item stands for: cells that pack into it again. `inside` is as for packItem: a
// "16色" item with one cell inside is that cell's value whole, and a "4色" item must hold index 0
// past the edge. value and mask are as the file lists them; mask is read in "2色Ex" only.
UnpackedItem unpackItem(const IncludeLayout &layout, uint32_t value, uint32_t mask, int inside,
                        const Pal4Row &pal4);

// The 16-bit cell an item of one whole cell stands for (the export writes negative cells in two's
// complement), or nothing for an item wider than 16 bits.
std::optional<int16_t> wholeCellOfItem(uint32_t item);

// Where a cell of the sheet lands in the page's block.
struct IncludeCellPlace {
    int64_t pattern = 0;
    int64_t byte = 0; // counted from the block's first byte, the pattern width
    int bit = 0; // lowest bit of the cell in that byte, 0 the least significant
    int bits = 0; // bits the cell takes
    std::optional<int64_t> maskByte; // "2色Ex": the byte holding the cell's mask bit, the same bit
};

// The pattern byte and bits that hold cell (x, y) of a page of patternCount patterns, or nothing
// when no pattern covers the cell. Cells that an item only reads as padding (rows past a pattern's
// last row in "2色" and "2色Ex") belong to the pattern that covers them.
std::optional<IncludeCellPlace> includeCellPlace(const IncludeLayout &layout, int64_t patternCount, int64_t x,
                                                 int64_t y);

} // namespace vesk4
