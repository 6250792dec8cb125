#include "export/include_blocks.h"

#include "document/document.h"

#include <QCoreApplication>

#include <algorithm>

namespace vesk4::include_reading {

namespace {

bool inSheet(int64_t x, int64_t y)
{
    return x >= 0 && x < kSheetWidth && y >= 0 && y < kSheetHeight;
}

class BlockDecoder {
public:
    BlockDecoder(const ParsedFile &file, const Block &block, const Shape &shape, const Pal4Row &pal4,
                 SheetPlane &plane)
        : file_(file), block_(block), layout_(shape.layout), rows_(shape.rows), pal4_(pal4), plane_(plane)
    {
    }

    Status decode()
    {
        for (std::size_t n = 0; n < block_.patterns.size(); ++n) {
            pattern_ = int(n);
            const PatternOrigin origin = layout_.origin(int64_t(n));
            for (int64_t r = 0; r < rows_; ++r) {
                const Row &row = file_.rows[block_.patterns[n].firstRow + r];
                if (!decodeRow(file_.items.data() + row.firstItem, origin.x,
                               origin.y + r * layout_.itemHeight))
                    return Failure{why_, row.line};
            }
        }
        return {};
    }

private:
    bool decodeRow(const uint32_t *items, int64_t x0, int64_t y)
    {
        const int64_t xEnd = x0 + layout_.width;
        const int step = layout_.bytesPerItem();
        const int64_t count = layout_.itemsPerRow();
        for (int64_t i = 0; i < count; ++i) {
            const int64_t x = x0 + i * layout_.itemWidth;
            int inside = int(std::min<int64_t>(xEnd - x, layout_.itemWidth));
            // A cell beyond the sheet reads back as 0: a "16色" item there is its left cell whole.
            if (layout_.mode == kMode16 && inside == 2 && !inSheet(x + 1, y))
                inside = 1;
            const uint32_t mask = layout_.maskBytes ? items[step * i] : 0;
            const uint32_t value = items[step * i + step - 1];
            const UnpackedItem item = unpackItem(layout_, value, mask, inside, pal4_);
            if (item.fault != UnpackFault::None)
                return refuse(faultText(item, value, mask));
            if (layout_.itemHeight > 1) {
                for (int k = 0; k < layout_.itemHeight; ++k)
                    if (!put(x, y + k, item.cells[k]))
                        return false;
            } else {
                for (int k = 0; k < inside; ++k)
                    if (!put(x + k, y, item.cells[k]))
                        return false;
            }
        }
        return true;
    }

    QString faultText(const UnpackedItem &item, uint32_t value, uint32_t mask) const
    {
        switch (item.fault) {
        case UnpackFault::TooWide:
            if (layout_.itemHeight > 1)
                return QCoreApplication::translate("IncludeFile",
                                                   "The item %1 is wider than a column of eight cells.")
                    .arg(hex(layout_.maskBytes && mask > 0xFF ? mask : value));
            if (layout_.mode == kMode4)
                return QCoreApplication::translate("IncludeFile",
                                                   "The item %1 is wider than four 2-bit palette indices.")
                    .arg(hex(value));
            return QCoreApplication::translate("IncludeFile", "The item %1 is wider than a 16-bit cell.")
                .arg(hex(value));
        case UnpackFault::NotASum:
            return QCoreApplication::translate("IncludeFile", "The item %1 is no sum of two 16-bit cells.")
                .arg(hex(value));
        case UnpackFault::IndexPastEdge:
            return QCoreApplication::translate("IncludeFile",
                                               "The item %1 holds an index past the pattern's right edge.")
                .arg(hex(value));
        case UnpackFault::SharedEntry:
            return QCoreApplication::translate(
                       "IncludeFile",
                       "Index %1 of the item %2 names a colour that an earlier entry of the page's "
                       "palette row also holds; no cell gives it.")
                .arg(int(value >> (2 * item.faultCell)) & 3)
                .arg(hex(value));
        case UnpackFault::ColourWithoutMask:
            return QCoreApplication::translate(
                       "IncludeFile",
                       "The pair %1,%2 sets a colour bit where the mask bit is clear; no cell gives "
                       "that.")
                .arg(hex(mask), hex(value));
        case UnpackFault::None:
            break;
        }
        return {};
    }

    // Whether two cells give the same items in this block's mode.
    bool sameReading(int16_t a, int16_t b) const
    {
        if (layout_.mode == kMode4)
            return pal4Index(pal4_, a) == pal4Index(pal4_, b);
        return a == b;
    }

    bool put(int64_t x, int64_t y, int16_t value)
    {
        if (!inSheet(x, y)) {
            // A project file keeps no cell there: it reads as 0 again.
            if (sameReading(value, 0))
                return true;
            return refuse(QCoreApplication::translate(
                              "IncludeFile",
                              "Pattern %1 needs the cell at x %2, y %3, beyond the 64 x 256 sheet "
                              "a project file keeps.")
                              .arg(pattern_)
                              .arg(x)
                              .arg(y));
        }
        bool placed = false;
        int16_t *cell = plane_.cell(x, y, placed);
        if (!placed) {
            *cell = value;
            return true;
        }
        if (sameReading(*cell, value))
            return true;
        return refuse(QCoreApplication::translate(
                          "IncludeFile",
                          "Pattern %1 gives the cell at x %2, y %3 another value than an earlier "
                          "pattern that also covers it.")
                          .arg(pattern_)
                          .arg(x)
                          .arg(y));
    }

    bool refuse(const QString &why)
    {
        why_ = why;
        return false;
    }

    const ParsedFile &file_;
    const Block &block_;
    const IncludeLayout &layout_;
    int64_t rows_;
    const Pal4Row &pal4_;
    SheetPlane &plane_;
    int pattern_ = 0;
    QString why_;
};

} // namespace

SheetPlane::SheetPlane() : cells_(kSheetCells), placed_(kSheetCells) { }

void SheetPlane::clear()
{
    std::fill(cells_.begin(), cells_.end(), int16_t(0));
    std::fill(placed_.begin(), placed_.end(), uint8_t(0));
}

int16_t *SheetPlane::cell(int64_t x, int64_t y, bool &placed)
{
    const int64_t i = y * kSheetWidth + x;
    placed = placed_[i] != 0;
    placed_[i] = 1;
    return &cells_[i];
}

Status decodeBlock(const ParsedFile &file, const Block &block, const Shape &shape, const Pal4Row &pal4,
                   SheetPlane &plane)
{
    return BlockDecoder(file, block, shape, pal4, plane).decode();
}

} // namespace vesk4::include_reading
