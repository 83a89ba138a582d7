#include <gtest/gtest.h>

#include "core/document/grid_statistics.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

TEST(GridStatistics, CountsWordsLengthsBlacksUncrossedCellsAndDefinitions) {
    const Grid g = testing::asciiGrid({"CASA#", "?#??#", "?????"});
    Definitions defs;
    defs.set(g, *slotAt(g, 0, 0, Direction::Across), "Dimora");
    defs.set(g, *slotAt(g, 0, 0, Direction::Down), "Prima colonna");
    const GridStatistics st = gridStatistics(g, defs);
    // Across CASA, (1,2) ??, row 2; down col 0, col 2, col 3.
    EXPECT_EQ(st.words, 6);
    EXPECT_EQ(st.wordsByLength, (std::map<int, int>{{2, 1}, {3, 3}, {4, 1}, {5, 1}}));
    EXPECT_EQ(st.cells, 15);
    EXPECT_EQ(st.blackCells, 3);
    EXPECT_DOUBLE_EQ(st.blackShare(), 0.2);
    // (0,1), (2,1) and (2,4) have no down word, (1,0) no across one.
    EXPECT_EQ(st.uncrossedCells, 4);
    EXPECT_EQ(st.definedWords, 2);
}

}  // namespace
}  // namespace quirvo
