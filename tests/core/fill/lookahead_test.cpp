#include "core/fill/lookahead.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

// The columns of the down slots a line blocks, from row 0.
std::vector<int> columnsOf(const BlockedSlots& slots) {
    std::vector<int> cols;
    for (const Slot& s : slots) {
        EXPECT_EQ(s.direction, Direction::Down);
        EXPECT_EQ(s.row, 0);
        cols.push_back(s.col);
    }
    return cols;
}

// Row 0 is the list's slot; below each of its cells a down slot of two
// cells, and the two-letter words begin with A, N, E, S, O or R only.
TEST(Lookahead, LinesThatLeaveACrossingWithoutWords) {
    const WordTable table(testing::dictionarySet({{"AI", "NO", "EH", "SI", "OH", "RE"}}));
    const Grid grid = asciiGrid({"C???", "????"});
    const ListPlace row{0, 0, Direction::Across};
    struct Case {
        const char* line;
        std::vector<int> blocked;  // columns of the down slots left without words
    };
    const std::vector<Case> cases = {
        {"CANE -1", {}},
        {"CUNO -1", {1}},        // nothing begins with U
        {"CUBO -1", {1, 2}},     // nor with B: both crossings
        {"CAS(AE) -1", {}},      // CASA and CASE both live
        {"CAS(UE) -1", {}},      // CASE lives
        {"CAS(UZ) -1", {3}},     // neither CASU nor CASZ
        {"CU(UA) -1", {1, 2}},   // what either blocks: CUU two, CUA one
        {"  ZA -2", {2}},        // a free head writes from the third cell on
        {"CZ -3", {1}},          // shorter than the slot: its own cells decide
        {"C", {}},               // the filled cell needs no crossing
    };
    std::vector<std::string> lines;
    for (const Case& c : cases) lines.push_back(c.line);
    const std::vector<BlockedSlots> dead = deadListLines(table, 1, grid, row, lines, 1);
    ASSERT_EQ(dead.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(columnsOf(dead[i]), cases[i].blocked) << cases[i].line;

    // Down the first column the A lands in row 1, and no word has four letters.
    const std::vector<BlockedSlots> down = deadListLines(table, 1, grid, {0, 0, Direction::Down}, {"CA -1"}, 2);
    EXPECT_EQ(down, (std::vector<BlockedSlots>{{Slot{1, 0, Direction::Across, 4}}}));
    // With the dictionary switched off every crossing is empty.
    EXPECT_EQ(columnsOf(deadListLines(table, 0, grid, row, {"CANE -1"}, 1).at(0)), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace quirvo
