// The block transforms, as properties on random blocks (the block tools test checks each rule on a
// worked example through the buttons), and the shift with wrap-around.
#include "canvas/cell_block.h"

#include <gtest/gtest.h>

#include <random>

namespace vesk4 {
namespace {

CellBlock block(int w, int h, std::vector<int16_t> cells)
{
    CellBlock b(w, h);
    b.cells = std::move(cells);
    return b;
}

TEST(CellBlock, FourTurnsTwoMirrorsAndTwoInvertsOfNoughtsAndOnesGiveTheBlockBack)
{
    std::mt19937 random(21);
    for (int round = 0; round < 200; ++round) {
        CellBlock b(1 + int(random() % 9), 1 + int(random() % 9));
        for (int16_t &cell : b.cells)
            cell = int16_t(random() % 2);
        const auto twice
            = [](const CellBlock &c, BlockTransform t) { return transformed(transformed(c, t), t); };
        const CellBlock half = twice(b, BlockTransform::TurnClockwise);
        ASSERT_EQ(twice(half, BlockTransform::TurnClockwise), b);
        ASSERT_EQ(twice(b, BlockTransform::MirrorLeftRight), b);
        ASSERT_EQ(twice(b, BlockTransform::MirrorTopBottom), b);
        ASSERT_EQ(twice(b, BlockTransform::Invert), b);
        // A half turn is both mirrors.
        ASSERT_EQ(
            half,
            transformed(transformed(b, BlockTransform::MirrorLeftRight), BlockTransform::MirrorTopBottom));
    }
    // Entries other than 0 and 1 do not come back: every one ends as 1.
    EXPECT_EQ(transformed(transformed(block(2, 1, {2, 7}), BlockTransform::Invert), BlockTransform::Invert),
              block(2, 1, {1, 1}));
}

TEST(CellBlock, ShiftsWrapWithinTheBlock)
{
    const CellBlock b = block(3, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    const struct {
        ShiftDirection direction;
        std::vector<int16_t> cells;
    } table[] = {
        {ShiftDirection::Up, {3, 4, 5, 6, 7, 8, 0, 1, 2}},
        {ShiftDirection::Down, {6, 7, 8, 0, 1, 2, 3, 4, 5}},
        {ShiftDirection::Left, {1, 2, 0, 4, 5, 3, 7, 8, 6}},
        {ShiftDirection::Right, {2, 0, 1, 5, 3, 4, 8, 6, 7}},
    };
    for (const auto &t : table)
        EXPECT_EQ(shifted(b, t.direction), block(3, 3, t.cells)) << int(t.direction);
    EXPECT_EQ(shifted(block(1, 1, {4}), ShiftDirection::Left), block(1, 1, {4}));
    EXPECT_EQ(shifted(CellBlock(), ShiftDirection::Down), CellBlock());
}

} // namespace
} // namespace vesk4
