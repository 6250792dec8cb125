#pragma once

// The include reader's second stage: which colour modes the data lines of a block fit. A block
// does not say its mode; the number of data lines per pattern and of items per line does.

#include "export/include_layout.h"
#include "export/include_lines.h"

#include <vector>

namespace vesk4::include_reading {

// A colour mode a block may be in, and the data lines it would have.
struct Shape {
    IncludeLayout layout;
    int64_t rows; // data lines per pattern
    int64_t items; // items per data line, a mask and colour pair counted as two
};

// The colour modes a block of patterns of width x height cells can be read as, the monochrome modes
// first: they are the ones picked when a block fits more than one.
std::vector<Shape> shapesFor(int width, int height);

struct ShapeFit {
    bool fits = true;
    Failure failure; // where and why it does not fit
    uint32_t mapFirstRow = 0; // the map lines that follow the last pattern
    bool withMap = false;
};

inline constexpr int kMapRows = 32;
inline constexpr int kMapItems = 16;

// Whether every pattern of the block has the data lines of the shape. The map's 32 lines may follow
// the last pattern of the last block.
ShapeFit fitShape(const ParsedFile &file, const Block &block, const Shape &shape, bool lastBlock);

} // namespace vesk4::include_reading
