#include "core/fill/lookahead.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

// Row 0 is the list's slot; below each of its cells a down slot of two
// cells, and the two-letter words begin with A, N, E, S, O or R only.
TEST(Lookahead, LinesThatLeaveACrossingWithoutWords) {
    const WordTable table(testing::dictionarySet({{"AI", "NO", "EH", "SI", "OH", "RE"}}));
    const Grid grid = asciiGrid({"C???", "????"});
    const ListPlace row{0, 0, Direction::Across};
    struct Case {
        const char* line;
        bool dead;
    };
    const std::vector<Case> cases = {
        {"CANE -1", false},
        {"CUBO -1", true},       // nothing begins with U
        {"CAS(AE) -1", false},   // CASA and CASE both live
        {"CAS(UE) -1", false},   // CASE lives
        {"CAS(UZ) -1", true},    // neither CASU nor CASZ
        {"  ZA -2", true},       // a free head writes from the third cell on
        {"CZ -3", true},         // shorter than the slot: its own cells decide
        {"C", false},            // the filled cell needs no crossing
    };
    std::vector<std::string> lines;
    for (const Case& c : cases) lines.push_back(c.line);
    const std::vector<bool> dead = deadListLines(table, 1, grid, row, lines, 1);
    ASSERT_EQ(dead.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(dead[i], cases[i].dead) << cases[i].line;

    // Down the first column the A lands in row 1, and no word has four letters.
    const std::vector<bool> down = deadListLines(table, 1, grid, {0, 0, Direction::Down}, {"CA -1"}, 2);
    EXPECT_EQ(down, std::vector<bool>{true});
    // With the dictionary switched off every crossing is empty.
    EXPECT_EQ(deadListLines(table, 0, grid, row, {"CANE -1"}, 1), std::vector<bool>{true});
}

}  // namespace
}  // namespace quirvo
