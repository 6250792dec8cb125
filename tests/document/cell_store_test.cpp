#include "document/cell_store.h"

#include <gtest/gtest.h>

#include <utility>

namespace vesk4 {
namespace {

struct Cell {
    int page, x, y;
};

// The far corners of the store, the sheet's corners and the cells just past them, on both sides
// of the sheet's edges; each is written with its own value.
constexpr Cell kCells[] = {
    {0, -10, -10}, {31, 400, 400}, {31, -10, 400}, {0, 400, -10}, {7, 0, 0},
    {7, 63, 255},  {7, 64, 255},   {7, 63, 256},   {7, -1, 0},    {7, 0, -1},
};

int16_t valueOf(std::size_t i)
{
    return int16_t(-300 + 97 * int(i));
}

PagedCellStore storeWithEveryCell()
{
    PagedCellStore store;
    for (std::size_t i = 0; i < std::size(kCells); ++i)
        store(kCells[i].page, kCells[i].x, kCells[i].y) = valueOf(i);
    return store;
}

// What the cell holds in storeWithEveryCell(): its value, or 0 when it is none of kCells.
int16_t expectedAt(int page, int x, int y)
{
    for (std::size_t i = 0; i < std::size(kCells); ++i)
        if (kCells[i].page == page && kCells[i].x == x && kCells[i].y == y)
            return valueOf(i);
    return 0;
}

// Each written cell, its eight neighbours in the store and its place on the next page.
void expectEveryCell(const PagedCellStore &store)
{
    for (const Cell &c : kCells) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " x " << c.x << " y " << c.y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (inCellStore(c.x + dx, c.y + dy)) {
                    EXPECT_EQ(store(c.page, c.x + dx, c.y + dy), expectedAt(c.page, c.x + dx, c.y + dy));
                }
        EXPECT_EQ(store.valueOr0(c.page, c.x, c.y), expectedAt(c.page, c.x, c.y));
        const int nextPage = (c.page + 1) % kPageCount;
        EXPECT_EQ(store(nextPage, c.x, c.y), expectedAt(nextPage, c.x, c.y));
    }
}

TEST(CellStore, EveryCellReadsZeroUntilWrittenAndHoldsWhatWasWritten)
{
    const PagedCellStore fresh;
    const CellStore freshPlane;
    for (const Cell &c : kCells) {
        EXPECT_EQ(fresh(c.page, c.x, c.y), 0);
        EXPECT_EQ(freshPlane(c.x, c.y), 0);
    }
    const PagedCellStore store = storeWithEveryCell();
    expectEveryCell(store);

    CellStore plane;
    for (std::size_t i = 0; i < std::size(kCells); ++i)
        plane(kCells[i].x, kCells[i].y) = valueOf(i);
    for (std::size_t i = 0; i < std::size(kCells); ++i)
        EXPECT_EQ(std::as_const(plane)(kCells[i].x, kCells[i].y), valueOf(i));

    // Beyond the store there is nothing to read.
    for (const Cell &c : {Cell{31, 401, 400}, Cell{0, -10, -11}, Cell{32, 0, 0}, Cell{-1, 0, 0}})
        EXPECT_EQ(store.valueOr0(c.page, c.x, c.y), 0);
}

TEST(CellStore, StoresAreEqualWhenEveryCellIsHoweverMuchIsAllocated)
{
    for (std::size_t i = 0; i < std::size(kCells); ++i) {
        const Cell &c = kCells[i];
        SCOPED_TRACE(testing::Message() << "page " << c.page << " x " << c.x << " y " << c.y);
        const PagedCellStore fresh;
        PagedCellStore written;
        written(c.page, c.x, c.y) = valueOf(i);
        EXPECT_FALSE(written == fresh);
        EXPECT_FALSE(fresh == written);

        // Written back to 0, the cell's sheet or tile stays allocated and the store reads as new.
        written(c.page, c.x, c.y) = 0;
        EXPECT_TRUE(written == fresh);
        EXPECT_TRUE(fresh == written);

        CellStore plane;
        plane(c.x, c.y) = valueOf(i);
        EXPECT_FALSE(plane == CellStore());
        plane.set(c.x, c.y, 0);
        EXPECT_TRUE(plane == CellStore());
    }
    // Both with a tile allocated at one place: a difference there still counts.
    PagedCellStore a, b;
    a(3, -5, -5) = 1;
    b(3, -5, -5) = 2;
    EXPECT_FALSE(a == b);
}

TEST(CellStore, CopiesAndMovesKeepEveryCell)
{
    PagedCellStore original = storeWithEveryCell();
    const PagedCellStore copied = original;
    PagedCellStore assigned;
    assigned(0, 200, 200) = 9;
    assigned = original;
    for (const Cell &c : kCells)
        original(c.page, c.x, c.y) = 1; // the copies hold cells of their own
    expectEveryCell(copied);
    expectEveryCell(assigned);

    PagedCellStore moved = std::move(assigned);
    expectEveryCell(moved);
    PagedCellStore moveAssigned;
    moveAssigned = std::move(moved);
    expectEveryCell(moveAssigned);
}

// A load hands over the sheets in the file's order, page by page, row by row; the border stays.
TEST(CellStore, ReplacedSheetsReadInFileOrderAndKeepTheBorder)
{
    PagedCellStore store = storeWithEveryCell();
    std::vector<int16_t> sheets(PagedCellStore::kSheetCellCount);
    for (std::size_t i = 0; i < sheets.size(); ++i)
        sheets[i] = int16_t(i % 32749);
    store.replaceSheets(std::move(sheets));

    const auto fileIndex = [](int page, int x, int y) { return (page * kSheetHeight + y) * kSheetWidth + x; };
    for (const Cell &c :
         {Cell{0, 0, 0}, Cell{0, 63, 0}, Cell{0, 0, 1}, Cell{7, 63, 255}, Cell{31, 63, 255}}) {
        EXPECT_EQ(store(c.page, c.x, c.y), int16_t(fileIndex(c.page, c.x, c.y) % 32749));
        EXPECT_EQ(store.sheetRow(c.page, c.y)[c.x], store(c.page, c.x, c.y));
    }
    for (std::size_t i = 0; i < std::size(kCells); ++i) {
        if (!inSheet(kCells[i].x, kCells[i].y)) {
            EXPECT_EQ(store(kCells[i].page, kCells[i].x, kCells[i].y), valueOf(i));
        }
    }
    EXPECT_EQ(PagedCellStore().sheetRow(31, 255)[63], 0);
}

} // namespace
} // namespace vesk4
