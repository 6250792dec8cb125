#pragma once

// The data of a page's block and of page 0's palette in the order the include file lists it. The
// include writer and the C header writer both take their bytes from here, so the two files cannot
// disagree on a byte.

#include "document/document.h"
#include "export/include_layout.h"

#include <algorithm>
#include <cstdint>

namespace vesk4 {

// The cells of one page; cells outside the store count as 0.
class PageCells {
public:
    PageCells(const PagedCellStore &store, int page) : store_(store), page_(page) { }

    int16_t at(int64_t x, int64_t y) const
    {
        if (x < kCellMin || x > kCellMax || y < kCellMin || y > kCellMax)
            return 0;
        return store_(page_, int(x), int(y));
    }

private:
    const PagedCellStore &store_;
    int page_;
};

// Walks the patterns 0 .. patterns-1 of a page in file order: visitor.pattern(n) before each
// pattern, visitor.row() before each data line, visitor.item(item, first) for the line's items from
// left to right, visitor.rowEnd() after it.
template <class Visitor>
void visitPatternItems(const Document &doc, int page, const IncludeLayout &layout, int64_t patterns,
                       const Pal4Row &pal4, Visitor &visitor)
{
    const PageCells cells(doc.PixelData, page);
    int16_t itemCells[8];
    for (int64_t n = 0; n < patterns; ++n) {
        visitor.pattern(n);
        const PatternOrigin origin = layout.origin(n);
        for (int64_t y = origin.y; y < origin.y + layout.height; y += layout.itemHeight) {
            visitor.row();
            // A packed item that reaches past the pattern's right edge (a width that is no
            // multiple of 2 or 4) fills those places with 0, so a pattern never takes bits from
            // its neighbour.
            const int64_t xEnd = origin.x + layout.width;
            for (int64_t x = origin.x; x < xEnd; x += layout.itemWidth) {
                const int inside = int(std::min<int64_t>(xEnd - x, layout.itemWidth));
                if (layout.itemHeight > 1) {
                    for (int k = 0; k < layout.itemHeight; ++k)
                        itemCells[k] = cells.at(x, y + k);
                } else {
                    for (int k = 0; k < inside; ++k)
                        itemCells[k] = cells.at(x + k, y);
                }
                visitor.item(packItem(layout, itemCells, inside, pal4), x == origin.x);
            }
            visitor.rowEnd();
        }
    }
}

// The ".word" of "16色" palette entry k of page 0: 0x0RGB, four bits a channel.
int palette16Word(const Document &doc, int k);

} // namespace vesk4
