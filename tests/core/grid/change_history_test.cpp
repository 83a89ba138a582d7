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

std::vector<CellChange> fillAll(const Grid& g, char letter) {
    std::vector<CellChange> changes;
    for (int r = 0; r < g.rowCount; ++r)
        for (int c = 0; c < g.colCount; ++c) changes.push_back({int16_t(r), int16_t(c), letter});
    return changes;
}

TEST(ChangeHistory, WholeGridChangeIsOneGroupAmongOrdinaryEdits) {
    Grid g = Grid::blank(25, 35);
    ChangeHistory h;
    writeGroup(g, h, 0, 0, "AB");
    g.setCell(24, 34, BLACK_CELL);
    const Grid before = g;
    ASSERT_TRUE(aggiorBulk(g, h, fillAll(g, 'Z')).recorded);
    EXPECT_EQ(h.historyPos, 9) << "the whole change takes one triple";
    writeGroup(g, h, 3, 3, "Q");

    undoGroup(g, h);
    EXPECT_EQ(g.cell(3, 3), 'Z');
    const HistoryWalk walk = undoGroup(g, h);
    EXPECT_EQ(walk.changedCells.size(), 25u * 35u);
    EXPECT_EQ(g.gridRows, before.gridRows);
    undoGroup(g, h);
    EXPECT_EQ(g.gridRows[0].substr(0, 2), "??");

    redoGroup(g, h);
    redoGroup(g, h);
    EXPECT_EQ(g.gridRows[24], std::string(35, 'Z'));
    redoGroup(g, h);
    EXPECT_EQ(g.cell(3, 3), 'Q');
    EXPECT_EQ(h.historyPos, h.historyTop);

    EXPECT_FALSE(aggiorBulk(g, h, {{0, 0, g.cell(0, 0)}, {30, 0, 'A'}}).recorded)
        << "nothing to change records nothing";
}

TEST(ChangeHistory, EditAfterUndoDropsTheWholeGridChange) {
    Grid g = Grid::blank(3, 3);
    ChangeHistory h;
    aggiorBulk(g, h, fillAll(g, 'A'));
    undoGroup(g, h);
    writeGroup(g, h, 1, 1, "B");
    EXPECT_TRUE(h.bulkGroups.empty());
    redoGroup(g, h);
    EXPECT_EQ(g.gridRows[0], "???");

    for (int k = 0; k < 99; ++k) writeGroup(g, h, k % 3, 0, k % 2 ? "C" : "D");
    ASSERT_TRUE(h.full());
    EXPECT_TRUE(aggiorBulk(g, h, fillAll(g, 'E')).historyReset);
    EXPECT_EQ(h.historyPos, 3);
    undoGroup(g, h);
    EXPECT_EQ(g.cell(2, 2), '?');

    h.bulkGroups.clear();  // a bulk triple whose cells are gone
    EXPECT_TRUE(redoGroup(g, h).failed);
    EXPECT_EQ(h.historyPos, 0);
}

}  // namespace
}  // namespace quirvo
