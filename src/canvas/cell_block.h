#pragma once

#include <cstdint>
#include <vector>

namespace vesk4 {

// A rectangle of cells held by value, row by row: cell (x, y) is cells[y * width + x].
struct CellBlock {
    int width = 0;
    int height = 0;
    std::vector<int16_t> cells;

    CellBlock() = default;
    CellBlock(int w, int h) : width(w), height(h), cells(std::size_t(w) * std::size_t(h), 0) { }

    int16_t &at(int x, int y) { return cells[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    int16_t at(int x, int y) const { return cells[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }

    friend bool operator==(const CellBlock &, const CellBlock &) = default;
};

// What the transform buttons do to the floating block; None paints it as it is.
enum class BlockTransform {
    None,
    TurnClockwise, // "回転": a quarter turn clockwise on screen, the top row becomes the right column
    MirrorLeftRight, // "左右"
    MirrorTopBottom, // "上下"
    Invert, // "白黒": entry 0 becomes 1, every other entry 0
};

CellBlock transformed(const CellBlock &block, BlockTransform transform);

// Which way "ずらし" moves the cells of a range.
enum class ShiftDirection { Up, Down, Left, Right };

// Every cell one cell that way; the row or column pushed out comes in at the other side.
CellBlock shifted(const CellBlock &block, ShiftDirection direction);

} // namespace vesk4
