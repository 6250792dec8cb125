#pragma once

#include "document/cell_changes.h"

#include <QPoint>

#include <vector>

namespace vesk4 {

// The cells of the shape tools, as page cells. Each is worked out in whole numbers, so a shape is
// the same whichever way it was dragged.

// The line from one cell to another: with n = max(|dx|, |dy|), the cells k = 0 … n at
// from + k * (to - from) / n, each coordinate rounded to the nearest integer with halves going to
// the larger one. A line and its reverse are the same cells.
std::vector<QPoint> lineCells(QPoint from, QPoint to);

// The cells on the border of the rectangle with the two cells as corners, both included; each cell
// once, row by row.
std::vector<QPoint> rectangleOutlineCells(QPoint corner, QPoint opposite);
// Every cell of that rectangle, row by row.
std::vector<QPoint> filledRectangleCells(QPoint corner, QPoint opposite);

// The cells of the sheet (64 x 256) that are 4-connected to start and hold the same entry as it;
// none when start lies outside the sheet or the page does not exist.
std::vector<QPoint> fillRegionCells(const PagedCellStore &cells, int page, QPoint start);

// Writes value into the cells of the page that lie in the store, through the journal when there is one.
void writeCells(PagedCellStore &cells, CellChanges *journal, int page, const std::vector<QPoint> &points,
                int16_t value);

} // namespace vesk4
