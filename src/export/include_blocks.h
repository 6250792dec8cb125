#pragma once

// The include reader's third stage: the items of a block, read in one colour mode, put back on the
// page's sheet through the layout the export writes with.

#include "export/include_shapes.h"

#include <vector>

namespace vesk4::include_reading {

// The 64 x 256 sheet of one page, and which of its cells a pattern has given a value.
class SheetPlane {
public:
    SheetPlane();

    void clear();
    const int16_t *cells() const { return cells_.data(); }
    // The cell at (x, y) inside the sheet; placed tells whether a pattern gave it a value before.
    int16_t *cell(int64_t x, int64_t y, bool &placed);

private:
    std::vector<int16_t> cells_; // row by row
    std::vector<uint8_t> placed_;
};

// Puts the block's patterns, read as shape, on plane, "4色" cells through the row pal4. Fails with
// the line of an item no cell gives, of a cell beyond the sheet that would not read back as 0, or of
// a cell two patterns give different values.
Status decodeBlock(const ParsedFile &file, const Block &block, const Shape &shape, const Pal4Row &pal4,
                   SheetPlane &plane);

} // namespace vesk4::include_reading
