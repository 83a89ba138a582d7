#include "core/grid/change_history.h"

#include <gtest/gtest.h>

#include "core/grid/cell_codes.h"

namespace quirvo {
namespace {

void writeGroup(Grid& g, ChangeHistory& h, int row, int col, const std::string& word) {
    h.groupMark = ChangeHistory::GROUP_MARK;
    for (size_t k = 0; k < word.size(); ++k) aggior(g, h, row, col + static_cast<int>(k), word[k]);
}

TEST(ChangeHistory, SingleKeysUndoOneByOneAndRedoBack) {
    Grid g = Grid::blank(3, 5);
    ChangeHistory h;
    for (int c = 0; c < 4; ++c) writeGroup(g, h, 1, c, std::string(1, "CANE"[c]));
    EXPECT_EQ(g.gridRows[1], "CANE?");
    EXPECT_EQ(h.historyPos, 12);

    for (int expectedCol = 3; expectedCol >= 0; --expectedCol) {
        const HistoryWalk walk = undoGroup(g, h);
        ASSERT_EQ(walk.changedCells.size(), 1u);
        EXPECT_EQ(walk.changedCells[0], std::make_pair(1, expectedCol));
    }
    EXPECT_EQ(g.gridRows[1], "?????");
    EXPECT_EQ(h.historyPos, 0);
    EXPECT_EQ(h.historyTop, 12);

    redoGroup(g, h);
    redoGroup(g, h);
    EXPECT_EQ(g.gridRows[1], "CA???");
    EXPECT_EQ(h.historyPos, 6);
}

TEST(ChangeHistory, WordIsOneGroupAndBlackeningRoundTrips) {
    Grid g = Grid::blank(2, 5);
    ChangeHistory h;
    writeGroup(g, h, 0, 0, "CASA?");
    EXPECT_EQ(h.changeHistory[0], 1000);
    EXPECT_EQ(h.changeHistory[3], 0);
    writeGroup(g, h, 0, 0, std::string(1, BLACK_CELL));
    EXPECT_EQ(h.historyPos, 15);  // the trailing "?" changed nothing
    EXPECT_EQ(h.changeHistory[12], 1000);
    EXPECT_EQ(h.changeHistory[14], 'C');

    undoGroup(g, h);
    EXPECT_EQ(g.gridRows[0], "CASA?");
    EXPECT_EQ(h.changeHistory[14], BLACK_CELL);
    const HistoryWalk walk = undoGroup(g, h);
    EXPECT_EQ(walk.changedCells.size(), 4u);
    EXPECT_EQ(walk.changedCells.back(), std::make_pair(0, 0));
    EXPECT_EQ(g.gridRows[0], "?????");
    redoGroup(g, h);
    EXPECT_EQ(g.gridRows[0], "CASA?");
    EXPECT_EQ(h.historyPos, 12);
}

TEST(ChangeHistory, SameLetterRecordsNothingAndOutsideIsDropped) {
    Grid g = Grid::blank(2, 2);
    ChangeHistory h;
    EXPECT_FALSE(aggior(g, h, 0, 0, EMPTY_CELL).recorded);
    const RecordOutcome outside = aggior(g, h, 0, 5, 'A');
    EXPECT_TRUE(outside.recorded);
    EXPECT_EQ(h.historyPos, 0);
    EXPECT_EQ(g.gridRows[0], "??");

    g.gridRows[1] = "?";  // a short row read from a file
    EXPECT_TRUE(aggior(g, h, 1, 1, 'A').recorded);
    EXPECT_EQ(h.historyPos, 0) << "a missing cell is neither written nor recorded";
    EXPECT_FALSE(undoGroup(g, h).failed);
}

TEST(ChangeHistory, FullHistoryStartsAgainWithTheTriggeringChange) {
    Grid g = Grid::blank(25, 35);
    ChangeHistory h;
    for (int k = 0; k < 100; ++k) writeGroup(g, h, k / 35, k % 35, "X");
    ASSERT_TRUE(h.full());
    h.groupMark = ChangeHistory::GROUP_MARK;
    EXPECT_TRUE(aggior(g, h, 10, 0, 'Y').historyReset);
    EXPECT_EQ(h.historyPos, 3);
    undoGroup(g, h);
    EXPECT_EQ(h.historyPos, 0);
    undoGroup(g, h);
    EXPECT_EQ(g.cell(0, 0), 'X');
}

TEST(ChangeHistory, UndoOfEntryOutsideTheGridFailsAndKeepsPosition) {
    Grid g = Grid::blank(2, 2);
    ChangeHistory h;
    writeGroup(g, h, 0, 0, "AB");
    h.changeHistory[3] = 7;  // a corrupted row
    const HistoryWalk walk = undoGroup(g, h);
    EXPECT_TRUE(walk.failed);
    EXPECT_EQ(h.historyPos, 6);
}

}  // namespace
}  // namespace quirvo
