// The shape tools' cells: the line rule, rectangles and the fill region, worked out by hand.
#include "canvas/cell_shapes.h"

#include "document/document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vesk4 {
namespace {

// The cells as a picture of the 8 x 7 cells from (0, 0): '#' for a cell in the list.
std::vector<std::string> picture(const std::vector<QPoint> &points)
{
    std::vector<std::string> rows(7, std::string(8, '.'));
    for (const QPoint &p : points)
        rows.at(std::size_t(p.y())).at(std::size_t(p.x())) = '#';
    return rows;
}

std::vector<QPoint> sorted(std::vector<QPoint> points)
{
    std::sort(points.begin(), points.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return points;
}

TEST(CellShapes, LineCellsInEveryDirectionAndHalvesGoToTheLargerCoordinate)
{
    const struct {
        QPoint from, to;
        std::vector<QPoint> cells;
    } table[] = {
        {{3, 3}, {3, 3}, {{3, 3}}},
        {{3, 3}, {6, 3}, {{3, 3}, {4, 3}, {5, 3}, {6, 3}}}, // east
        {{3, 3}, {0, 3}, {{3, 3}, {2, 3}, {1, 3}, {0, 3}}}, // west
        {{3, 3}, {3, 5}, {{3, 3}, {3, 4}, {3, 5}}}, // south
        {{3, 3}, {3, 1}, {{3, 3}, {3, 2}, {3, 1}}}, // north
        {{3, 3}, {5, 5}, {{3, 3}, {4, 4}, {5, 5}}}, // south-east
        {{3, 3}, {1, 5}, {{3, 3}, {2, 4}, {1, 5}}}, // south-west
        {{3, 3}, {5, 1}, {{3, 3}, {4, 2}, {5, 1}}}, // north-east
        {{3, 3}, {1, 1}, {{3, 3}, {2, 2}, {1, 1}}}, // north-west
        {{0, 0}, {2, 1}, {{0, 0}, {1, 1}, {2, 1}}}, // y 0.5 goes to 1
        {{2, 1}, {0, 0}, {{2, 1}, {1, 1}, {0, 0}}},
        {{0, 0}, {1, 2}, {{0, 0}, {1, 1}, {1, 2}}}, // x 0.5 goes to 1
        {{1, 2}, {0, 0}, {{1, 2}, {1, 1}, {0, 0}}},
        {{0, 3}, {2, 2}, {{0, 3}, {1, 3}, {2, 2}}}, // y 2.5 goes to 3
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}}, // 0.25, 0.5, 0.75
        {{5, 0}, {0, 2}, {{5, 0}, {4, 0}, {3, 1}, {2, 1}, {1, 2}, {0, 2}}}, // 0.4, 0.8, 1.2, 1.6
    };
    for (const auto &t : table)
        EXPECT_EQ(lineCells(t.from, t.to), t.cells)
            << t.from.x() << "," << t.from.y() << " to " << t.to.x() << "," << t.to.y();
}

TEST(CellShapes, ALineAndItsReverseAreTheSameChainOfNeighbouringCells)
{
    for (int x0 = -3; x0 <= 3; ++x0)
        for (int y0 = -2; y0 <= 2; ++y0)
            for (int x1 = -9; x1 <= 9; x1 += 2)
                for (int y1 = -8; y1 <= 8; y1 += 3) {
                    const QPoint a(x0, y0), b(x1, y1);
                    const std::vector<QPoint> line = lineCells(a, b);
                    std::vector<QPoint> reverse = lineCells(b, a);
                    std::reverse(reverse.begin(), reverse.end());
                    ASSERT_EQ(line, reverse) << x0 << "," << y0 << " " << x1 << "," << y1;
                    ASSERT_EQ(line.front(), a);
                    ASSERT_EQ(line.back(), b);
                    for (std::size_t k = 1; k < line.size(); ++k)
                        ASSERT_EQ(std::max(std::abs(line[k].x() - line[k - 1].x()),
                                           std::abs(line[k].y() - line[k - 1].y())),
                                  1);
                }
}

TEST(CellShapes, RectanglesAreTheSameFromEveryCorner)
{
    const std::vector<std::string> outline{
        "........", "........", "..####..", "..#..#..", "..#..#..", "..####..", "........",
    };
    const std::vector<std::string> filled{
        "........", "........", "..####..", "..####..", "..####..", "..####..", "........",
    };
    for (auto [a, b] : {std::pair(QPoint(2, 2), QPoint(5, 5)), std::pair(QPoint(5, 5), QPoint(2, 2)),
                        std::pair(QPoint(5, 2), QPoint(2, 5)), std::pair(QPoint(2, 5), QPoint(5, 2))}) {
        const std::vector<QPoint> border = rectangleOutlineCells(a, b);
        EXPECT_EQ(picture(border), outline);
        EXPECT_EQ(border.size(), 12u); // each cell once
        EXPECT_EQ(picture(filledRectangleCells(a, b)), filled);
        EXPECT_EQ(filledRectangleCells(a, b).size(), 16u);
    }
    // A rectangle one cell high or wide is a line; one cell is that cell.
    EXPECT_EQ(rectangleOutlineCells({1, 4}, {6, 4}), filledRectangleCells({6, 4}, {1, 4}));
    EXPECT_EQ(rectangleOutlineCells({3, 1}, {3, 5}), filledRectangleCells({3, 5}, {3, 1}));
    EXPECT_EQ(rectangleOutlineCells({3, 1}, {3, 1}), std::vector<QPoint>{QPoint(3, 1)});
}

// A ring of entry 1 round the cells (3..5, 3..5), a wall of entry 2 down column 10 over the whole
// sheet, and the cells (1, 0) and (0, 1) set, which close off (0, 0) but for its diagonal.
class FillRegion : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (QPoint p : rectangleOutlineCells({2, 2}, {6, 6}))
            cells(0, p.x(), p.y()) = 1;
        for (int y = 0; y < kSheetHeight; ++y)
            cells(0, 10, y) = 2;
        cells(0, 1, 0) = cells(0, 0, 1) = 1;
    }
    std::vector<QPoint> region(QPoint start) const { return sorted(fillRegionCells(cells, 0, start)); }

    PagedCellStore cells;
};

TEST_F(FillRegion, TheEnclosedCellsOfTheClickedEntryOnly)
{
    EXPECT_EQ(region({4, 4}), filledRectangleCells({3, 3}, {5, 5}));
    EXPECT_EQ(region({0, 0}), std::vector<QPoint>{QPoint(0, 0)}); // 4-connected: no way out diagonally
    EXPECT_EQ(region({2, 2}).size(), 16u); // the ring itself
}

TEST_F(FillRegion, RunsOverTheWholeSheetButNotBeyondIt)
{
    // Right of the wall: columns 11-63 of every row of the sheet, far past the 64 rows shown.
    const std::vector<QPoint> right = region({40, 200});
    EXPECT_EQ(right, filledRectangleCells({11, 0}, {63, 255}));
    cells(0, 10, 255) = 0; // a gap at the bottom joins both sides
    const std::size_t joined = 64 * 256 - 255 - 16 - 9 - 1 - 2;
    EXPECT_EQ(region({40, 200}).size(), joined);

    const PagedCellStore empty;
    EXPECT_EQ(sorted(fillRegionCells(empty, 5, {63, 255})), filledRectangleCells({0, 0}, {63, 255}));
    for (QPoint outside : {QPoint(-1, 0), QPoint(64, 0), QPoint(0, 256)})
        EXPECT_TRUE(fillRegionCells(empty, 5, outside).empty());
    EXPECT_TRUE(fillRegionCells(empty, kPageCount, {0, 0}).empty());
}

} // namespace
} // namespace vesk4
