#include "export/include_layout.h"

#include "document/document.h"

#include <algorithm>

namespace vesk4 {

namespace {

// Largest and smallest sums of two 16-bit cells in a "16色" item.
constexpr int64_t kMostPair = 17 * int64_t(INT16_MAX);
constexpr int64_t kLeastPair = 17 * int64_t(INT16_MIN);

UnpackedItem faulty(UnpackFault fault, int cell = 0)
{
    UnpackedItem item;
    item.fault = fault;
    item.faultCell = cell;
    return item;
}

} // namespace

std::optional<int16_t> wholeCellOfItem(uint32_t item)
{
    if (item <= 0xFFFF)
        return int16_t(item <= 0x7FFF ? int(item) : int(item) - 0x10000);
    return std::nullopt;
}

int pal4Index(const Pal4Row &row, int value)
{
    for (int e = 0; e < 4; ++e)
        if (row[e] == value)
            return e;
    return 0;
}

std::optional<IncludeLayout> includeLayout(int mode, int64_t width, int64_t height)
{
    IncludeLayout layout;
    layout.mode = mode;
    layout.width = width;
    layout.height = height;
    const bool rowItems = mode == kMode256 || mode == kMode16 || mode == kMode4;
    if (width < 1 || (!rowItems && width > kSheetWidth))
        return std::nullopt;
    // Row items let a pattern run past the sheet's right edge; column items keep bands of whole
    // patterns.
    layout.bandWidth = rowItems ? kSheetWidth : kSheetWidth / width * width;
    switch (mode) {
    case kMode256:
        break;
    case kMode16:
        layout.itemWidth = 2, layout.bitsPerCell = 4;
        break;
    case kMode4:
        layout.itemWidth = 4, layout.bitsPerCell = 2;
        break;
    case kMode2:
        layout.itemHeight = 8, layout.bitsPerCell = 1;
        break;
    default:
        layout.itemHeight = 8, layout.bitsPerCell = 1, layout.maskBytes = true;
        break;
    }
    return layout;
}

PackedItem packItem(const IncludeLayout &layout, const int16_t *cells, int inside, const Pal4Row &pal4)
{
    PackedItem item;
    switch (layout.mode) {
    case kMode256:
        item.value = cells[0];
        break;
    case kMode16:
        // Sums beyond a byte keep every bit, so no two cell pairs are written alike.
        item.value = int64_t(cells[0]) + (inside > 1 ? 16 * int64_t(cells[1]) : 0);
        break;
    case kMode4:
        for (int k = 0; k < 4 && k < inside; ++k)
            item.value |= int64_t(pal4Index(pal4, cells[k])) << (2 * k);
        break;
    default:
        for (int k = 0; k < 8; ++k) {
            if (cells[k] == 1)
                item.value |= 1 << k;
            if (layout.maskBytes && cells[k] != 2)
                item.mask |= 1 << k;
        }
        break;
    }
    return item;
}

UnpackedItem unpackItem(const IncludeLayout &layout, uint32_t value, uint32_t mask, int inside,
                        const Pal4Row &pal4)
{
    UnpackedItem item;
    switch (layout.mode) {
    case kMode256: {
        const std::optional<int16_t> cell = wholeCellOfItem(value);
        if (!cell)
            return faulty(UnpackFault::TooWide);
        item.cells[0] = *cell;
        break;
    }
    case kMode16: {
        if (inside < 2) { // the right cell reads as 0
            const std::optional<int16_t> cell = wholeCellOfItem(value);
            if (!cell)
                return faulty(UnpackFault::TooWide);
            item.cells[0] = *cell;
            break;
        }
        int64_t sum;
        const int64_t negative = int64_t(value) - (int64_t(1) << 32); // the export's 32-bit form
        if (value <= kMostPair)
            sum = value;
        else if (value > 0xFFFF && negative >= kLeastPair && negative < INT16_MIN)
            sum = negative;
        else
            return faulty(UnpackFault::NotASum);
        // Any split that sums to the item packs into it again; the one kept puts 0-15 into the left
        // cell.
        const int64_t right
            = std::clamp<int64_t>(sum >= 0 ? sum / 16 : (sum - 15) / 16, INT16_MIN, INT16_MAX);
        item.cells[0] = int16_t(sum - 16 * right);
        item.cells[1] = int16_t(right);
        break;
    }
    case kMode4:
        if (value > 0xFF)
            return faulty(UnpackFault::TooWide);
        for (int k = 0; k < 4; ++k) {
            const int index = int(value >> (2 * k)) & 3;
            if (k >= inside) {
                if (index != 0)
                    return faulty(UnpackFault::IndexPastEdge, k);
                continue;
            }
            if (pal4Index(pal4, pal4[index]) != index)
                return faulty(UnpackFault::SharedEntry, k);
            item.cells[k] = pal4[index];
        }
        break;
    default: {
        // "2色" has no mask bytes: every cell is entry 0 or 1.
        const uint32_t columnMask = layout.maskBytes ? mask : 0xFF;
        if (columnMask > 0xFF || value > 0xFF)
            return faulty(UnpackFault::TooWide);
        if ((value & ~columnMask) != 0)
            return faulty(UnpackFault::ColourWithoutMask);
        for (int k = 0; k < 8; ++k)
            item.cells[k] = (columnMask >> k & 1) == 0 ? 2 : int16_t(value >> k & 1);
        break;
    }
    }
    return item;
}

std::optional<IncludeCellPlace> includeCellPlace(const IncludeLayout &layout, int64_t patternCount, int64_t x,
                                                 int64_t y)
{
    if (layout.height < 1 || x < 0 || y < 0 || x >= layout.bandWidth)
        return std::nullopt;
    // The pattern whose columns of this band hold x; one that began in the band above and runs past
    // the sheet's right edge does not come back on the left.
    const int64_t band = y / layout.height;
    const int64_t n = (band * layout.bandWidth + x) / layout.width;
    if (n >= patternCount || n * layout.width < band * layout.bandWidth)
        return std::nullopt;
    const PatternOrigin origin = layout.origin(n);
    const int64_t dx = x - origin.x;
    const int64_t dy = y - origin.y;

    IncludeCellPlace place;
    place.pattern = n;
    place.bits = layout.bitsPerCell;
    const int64_t item = dx / layout.itemWidth;
    const int64_t row = dy / layout.itemHeight;
    const int64_t itemStart = kBlockHeaderBytes + n * layout.bytesPerPattern() + row * layout.bytesPerRow()
        + item * layout.bytesPerItem();
    const int64_t k = layout.itemWidth > 1 ? dx % layout.itemWidth : dy % layout.itemHeight;
    place.bit = int(k) * layout.bitsPerCell;
    place.byte = itemStart;
    if (layout.maskBytes) {
        place.maskByte = itemStart;
        place.byte = itemStart + 1;
    }
    return place;
}

} // namespace vesk4
