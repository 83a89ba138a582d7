#include "core/grid/numbering.h"

#include <gtest/gtest.h>

#include "core/grid/cell_codes.h"

namespace quirvo {
namespace {

Grid gridFromRows(std::initializer_list<const char*> rows) {
    Grid g = Grid::blank(static_cast<int>(rows.size()), static_cast<int>(std::string(*rows.begin()).size()));
    int r = 0;
    for (const char* row : rows) {
        std::string s(row);
        for (char& ch : s)
            if (ch == '#') ch = BLACK_CELL;
        g.gridRows[r++] = s;
    }
    return g;
}

TEST(Numbering, ThreeByThreeWithBlackCentre) {
    const Grid g = gridFromRows({"???", "?#?", "???"});
    const std::vector<int> expected = {1, 0, 2, 0, 0, 0, 3, 0, 0};
    EXPECT_EQ(numberCells(g), expected);
}

TEST(Numbering, IsolatedCellsAndLastRowAndColumnStartNothing) {
    // Row 0 col 2 is isolated: a block to its left and below, the edge right.
    // Row 2 col 2 is in the last row and column.
    const Grid g = gridFromRows({"A#?", "??#", "#?A"});
    const std::vector<int> expected = {1, 0, 0, 2, 3, 0, 0, 4, 0};
    EXPECT_EQ(numberCells(g), expected);
}

TEST(Numbering, LettersAndEmptyCellsAreBothWhite) {
    const Grid g = gridFromRows({"CA", "?E"});
    EXPECT_EQ(numberCells(g), (std::vector<int>{1, 2, 3, 0}));
}

TEST(Numbering, ShortRowCellsCountAsWhite) {
    Grid g = gridFromRows({"???", "???"});
    g.gridRows[0] = "?";
    EXPECT_EQ(numberCells(g), (std::vector<int>{1, 2, 3, 4, 0, 0}));
}

}  // namespace
}  // namespace quirvo
