#include "canvas/canvas_tool.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vesk4 {

namespace {

// Shifted back this far before rounding, the pointer picks the cell whose centre is nearest.
constexpr double kCellShift = 5;
// Shifted back this far, the pointer picks the grid point at the top-left corner of the cell it
// is over (a position exactly half-way rounds to the even grid point).
constexpr double kGridPointShift = 4;

constexpr double kLowest = std::numeric_limits<int16_t>::min();
constexpr double kHighest = std::numeric_limits<int16_t>::max();

// A cell number saturated to 16 bits: a pointer dragged far away stays outside the store instead
// of wrapping back in.
int saturated(double cell)
{
    return int(std::isnan(cell) ? kLowest : std::clamp(cell, kLowest, kHighest));
}

int nearestCell(double position, int cellSize, int scroll)
{
    if (cellSize < 1)
        return scroll;
    return saturated(std::nearbyint((position - kCellShift) / cellSize + scroll));
}

// v rounded half to even and limited to lo … hi; a value that is not a number gives lo.
int roundLimited(double v, int lo, int hi)
{
    if (!(v > lo))
        return lo;
    if (v >= hi)
        return hi;
    return int(std::nearbyint(v));
}

} // namespace

QPoint rangeGridPoint(const EditorState &state, double x, double y)
{
    if (state.cellWidthPx < 1 || state.cellHeightPx < 1)
        return QPoint(0, 0);
    const int columns = state.canvasWidthPx / state.cellWidthPx;
    const int rows = state.canvasHeightPx / state.cellHeightPx;
    return QPoint(roundLimited((x - kGridPointShift) / state.cellWidthPx, 0, std::max(columns, 0)),
                  roundLimited((y - kGridPointShift) / state.cellHeightPx, 0, std::max(rows, 0)));
}

ToolPointer toolPointer(const EditorState &state, double x, double y)
{
    ToolPointer at;
    at.cell = QPoint(nearestCell(x, state.cellWidthPx, state.scrollColumn),
                     nearestCell(y, state.cellHeightPx, state.scrollRow));
    const int columns = state.cellWidthPx >= 1 ? state.canvasWidthPx / state.cellWidthPx : 0;
    const int rows = state.cellHeightPx >= 1 ? state.canvasHeightPx / state.cellHeightPx : 0;
    at.visibleCell = QPoint(
        std::clamp(at.cell.x(), int(state.scrollColumn), state.scrollColumn + std::max(columns - 1, 0)),
        std::clamp(at.cell.y(), int(state.scrollRow), state.scrollRow + std::max(rows - 1, 0)));
    at.gridPoint = rangeGridPoint(state, x, y);
    if (state.cellWidthPx >= 1 && state.cellHeightPx >= 1)
        at.viewCell = QPoint(saturated(std::floor(x / state.cellWidthPx)),
                             saturated(std::floor(y / state.cellHeightPx)));
    return at;
}

ToolPointer trackPointer(EditorState &state, double x, double y)
{
    const ToolPointer at = toolPointer(state, x, y);
    state.pointerCellX = int16_t(at.cell.x());
    state.pointerCellY = int16_t(at.cell.y());
    return at;
}

} // namespace vesk4
