#include "canvas/cell_block.h"

namespace vesk4 {

CellBlock transformed(const CellBlock &block, BlockTransform transform)
{
    const int w = block.width;
    const int h = block.height;
    if (transform == BlockTransform::TurnClockwise) {
        CellBlock turned(h, w);
        // The new block is h wide: its cell (x, y) comes from the old column y, counted from the bottom.
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < h; ++x)
                turned.at(x, y) = block.at(y, h - 1 - x);
        return turned;
    }
    CellBlock result(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            switch (transform) {
            case BlockTransform::MirrorLeftRight:
                result.at(x, y) = block.at(w - 1 - x, y);
                break;
            case BlockTransform::MirrorTopBottom:
                result.at(x, y) = block.at(x, h - 1 - y);
                break;
            case BlockTransform::Invert:
                result.at(x, y) = block.at(x, y) == 0 ? 1 : 0;
                break;
            default:
                result.at(x, y) = block.at(x, y);
                break;
            }
        }
    return result;
}

CellBlock shifted(const CellBlock &block, ShiftDirection direction)
{
    const int w = block.width;
    const int h = block.height;
    CellBlock result(w, h);
    // The cell each cell takes its value from, one step against the direction, wrapping round.
    const int fromX = direction == ShiftDirection::Left ? 1 : direction == ShiftDirection::Right ? w - 1 : 0;
    const int fromY = direction == ShiftDirection::Up ? 1 : direction == ShiftDirection::Down ? h - 1 : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.at(x, y) = block.at((x + fromX) % w, (y + fromY) % h);
    return result;
}

} // namespace vesk4
