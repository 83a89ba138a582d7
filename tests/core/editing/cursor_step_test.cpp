#include <gtest/gtest.h>

#include "core/editing/cursor_step.h"
#include "core/grid/cell_codes.h"

namespace quirvo {
namespace {

struct StepCase {
    int row, col, incr, incc;
    int wantRow, wantCol;
    bool wantWrap;
};

TEST(Avanza, WrapsToTheNextLineAndFromTheLastCellToTheFirst) {
    const Grid g = Grid::blank(3, 4);
    const StepCase cases[] = {
        {0, 1, 0, 1, 0, 2, false},   // plain step across
        {0, 3, 0, 1, 1, 0, true},    // across past the end: start of the next row
        {2, 3, 0, 1, 0, 0, true},    // last cell of the last row: back to the top left
        {2, 1, 1, 0, 0, 2, true},    // down past the bottom: top of the next column
        {2, 3, 1, 0, 0, 0, true},    // bottom right going down: column wraps silently
        {0, 2, -1, 0, 2, 1, true},   // up past the top: last row, previous column
        {0, 0, -1, 0, 2, 3, true},   // ... and from the first column to the last
        {1, 0, 0, -1, 0, 3, true},   // left past the start: end of the previous row
        {0, 0, 0, -1, 2, 3, true},   // top left going left: bottom right
    };
    for (const StepCase& c : cases) {
        const CursorStep step = avanza(g, c.row, c.col, c.incr, c.incc);
        EXPECT_EQ(step.row, c.wantRow) << c.row << "," << c.col;
        EXPECT_EQ(step.col, c.wantCol) << c.row << "," << c.col;
        EXPECT_EQ(step.wrapped, c.wantWrap) << c.row << "," << c.col;
        EXPECT_FALSE(step.landedOnBlack);
    }
}

TEST(Avanza, StopsOnABlackCellAndReportsIt) {
    Grid g = Grid::blank(2, 3);
    g.setCell(0, 2, BLACK_CELL);
    const CursorStep step = avanza(g, 0, 1, 0, 1);
    EXPECT_EQ(step.col, 2);
    EXPECT_TRUE(step.landedOnBlack);
}

}  // namespace
}  // namespace quirvo
