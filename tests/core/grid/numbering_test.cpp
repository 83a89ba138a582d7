#include "core/grid/numbering.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

TEST(Numbering, ThreeByThreeWithBlackCentre) {
    const Grid g = asciiGrid({"???", "?#?", "???"});
    const std::vector<int> expected = {1, 0, 2, 0, 0, 0, 3, 0, 0};
    EXPECT_EQ(numberCells(g), expected);
}

TEST(Numbering, IsolatedCellsAndLastRowAndColumnStartNothing) {
    // Row 0 col 2 is isolated: a block to its left and below, the edge right.
    // Row 2 col 2 is in the last row and column.
    const Grid g = asciiGrid({"A#?", "??#", "#?A"});
    const std::vector<int> expected = {1, 0, 0, 2, 3, 0, 0, 4, 0};
    EXPECT_EQ(numberCells(g), expected);
}

TEST(Numbering, LettersAndEmptyCellsAreBothWhite) {
    const Grid g = asciiGrid({"CA", "?E"});
    EXPECT_EQ(numberCells(g), (std::vector<int>{1, 2, 3, 0}));
}

TEST(Numbering, ShortRowCellsCountAsWhite) {
    Grid g = asciiGrid({"???", "???"});
    g.gridRows[0] = "?";
    EXPECT_EQ(numberCells(g), (std::vector<int>{1, 2, 3, 4, 0, 0}));
}

}  // namespace
}  // namespace quirvo
