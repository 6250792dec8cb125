#include "canvas/cell_shapes.h"

#include "document/document.h"

#include <algorithm>
#include <cstdlib>

namespace vesk4 {

namespace {

// a / b rounded down, for b > 0.
long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return q * b > a ? q - 1 : q;
}

// The nearest integer to start + k * delta / n, a half going up: floor((2 * k * delta + n) / 2n).
int lineCoordinate(int start, int k, int delta, int n)
{
    return start + int(floorDiv(2LL * k * delta + n, 2LL * n));
}

} // namespace

std::vector<QPoint> lineCells(QPoint from, QPoint to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0)
        return {from};
    std::vector<QPoint> points;
    points.reserve(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k)
        points.emplace_back(lineCoordinate(from.x(), k, dx, n), lineCoordinate(from.y(), k, dy, n));
    return points;
}

std::vector<QPoint> rectangleOutlineCells(QPoint corner, QPoint opposite)
{
    const int left = std::min(corner.x(), opposite.x());
    const int right = std::max(corner.x(), opposite.x());
    const int top = std::min(corner.y(), opposite.y());
    const int bottom = std::max(corner.y(), opposite.y());
    std::vector<QPoint> points;
    for (int y = top; y <= bottom; ++y) {
        if (y == top || y == bottom) {
            for (int x = left; x <= right; ++x)
                points.emplace_back(x, y);
        } else {
            points.emplace_back(left, y);
            if (right != left)
                points.emplace_back(right, y);
        }
    }
    return points;
}

std::vector<QPoint> filledRectangleCells(QPoint corner, QPoint opposite)
{
    const int left = std::min(corner.x(), opposite.x());
    const int right = std::max(corner.x(), opposite.x());
    const int top = std::min(corner.y(), opposite.y());
    const int bottom = std::max(corner.y(), opposite.y());
    std::vector<QPoint> points;
    points.reserve(std::size_t(right - left + 1) * std::size_t(bottom - top + 1));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            points.emplace_back(x, y);
    return points;
}

std::vector<QPoint> fillRegionCells(const PagedCellStore &cells, int page, QPoint start)
{
    const auto onSheet = [](int x, int y) { return x >= 0 && x < kSheetWidth && y >= 0 && y < kSheetHeight; };
    if (page < 0 || page >= kPageCount || !onSheet(start.x(), start.y()))
        return {};
    const int16_t entry = cells(page, start.x(), start.y());
    // A stack of cells still to visit instead of recursion: the region can be the whole sheet.
    std::vector<char> seen(std::size_t(kSheetWidth) * kSheetHeight, 0);
    const auto visit = [&](std::vector<QPoint> &pending, int x, int y) {
        if (!onSheet(x, y))
            return;
        char &mark = seen[std::size_t(y) * kSheetWidth + std::size_t(x)];
        if (mark || cells(page, x, y) != entry)
            return;
        mark = 1;
        pending.emplace_back(x, y);
    };
    std::vector<QPoint> region;
    std::vector<QPoint> pending;
    visit(pending, start.x(), start.y());
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        region.push_back(p);
        visit(pending, p.x() + 1, p.y());
        visit(pending, p.x() - 1, p.y());
        visit(pending, p.x(), p.y() + 1);
        visit(pending, p.x(), p.y() - 1);
    }
    return region;
}

void writeCells(PagedCellStore &cells, CellChanges *journal, int page, const std::vector<QPoint> &points,
                int16_t value)
{
    if (page < 0 || page >= kPageCount)
        return;
    for (const QPoint &p : points)
        if (inCellStore(p.x(), p.y()))
            writeCell(cells, journal, page, p.x(), p.y(), value);
}

} // namespace vesk4
