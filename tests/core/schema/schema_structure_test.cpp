#include "core/schema/structure.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "core/schema/schema_pool.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

struct Pattern {
    std::vector<const char*> rows;
    Symmetry symmetry;
    const char* fault;  // how structureFault's answer starts
};

TEST(SchemaStructure, FaultsOfPatterns) {
    const std::vector<Pattern> table{
        {{"????", "?#??", "??#?", "????"}, Symmetry::Rotate, ""},
        {{"??#?", "????", "????", "??#?"}, Symmetry::Mirror, "not symmetric at 0,1"},
        {{"??#?", "????", "????", "?#??"}, Symmetry::Rotate, ""},
        {{"??#?", "????", "????", "?#??"}, Symmetry::Mirror, "not symmetric"},
        {{"##??", "##??", "????"}, Symmetry::None, "2 x 2 black cells at 0,0"},
        {{"?#??", "#???", "????"}, Symmetry::None, "white cell in no slot at 0,0"},
        {{"??#??", "??#??", "??#??"}, Symmetry::Mirror, "white cells not connected"},
        {{"??", "??"}, Symmetry::Mirror, ""},
    };
    for (const Pattern& p : table) {
        const Grid grid = asciiGrid(p.rows);
        EXPECT_EQ(structureFault(grid, p.symmetry).rfind(p.fault, 0), 0u)
            << p.rows[0] << " gives '" << structureFault(grid, p.symmetry) << "'";
    }
    EXPECT_EQ(blackCount(asciiGrid({"#??#", "????", "#??#"})), 4);
    EXPECT_EQ(blackBudget(13, 13, 1.0 / 6), 28);
    EXPECT_EQ(blackBudget(11, 12, 1.0 / 6), 22);
}

TEST(SchemaPool, KeepsTheBestOfNearlyTheSamePatterns) {
    const Grid a = asciiGrid({"#???", "????", "???#"}), b = asciiGrid({"???#", "????", "#???"});
    const Grid nearA = asciiGrid({"#???", "????", "??#?"}), open = asciiGrid({"????", "????", "????"});
    SchemaPool pool(2);
    EXPECT_TRUE(pool.offer({a, 2, 30}));
    EXPECT_TRUE(pool.offer({b, 2, 20}));
    EXPECT_FALSE(pool.offer({nearA, 2, 35}));  // a black cell of a moved, dearer
    EXPECT_TRUE(pool.offer({nearA, 2, 10}));   // cheaper: it takes a's place
    ASSERT_EQ(pool.best().size(), 2u);
    EXPECT_EQ(pool.best()[0].cost, 10);
    EXPECT_TRUE(pool.offer({open, 0, 50}));  // fewer black cells beat its near twins
    ASSERT_EQ(pool.best().size(), 1u);
    EXPECT_EQ(pool.best()[0].black, 0);
}

}  // namespace
}  // namespace quirvo
