#include <gtest/gtest.h>

#include "core/document/clue_list.h"
#include "core/document/definitions.h"
#include "core/grid/cell_codes.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

Slot slotOf(const Grid& g, int r, int c, Direction d) { return *slotAt(g, r, c, d); }

std::vector<std::string> orphanTexts(const Definitions& defs) {
    std::vector<std::string> out;
    for (const Definition& d : defs.orphans()) out.push_back(d.text);
    return out;
}

TEST(Definitions, FollowTheirSlotThroughSplitJoinRemovalAndNewLetters) {
    Grid g = asciiGrid({"CASA?", "?????", "?????"});
    Definitions defs;
    defs.set(g, slotOf(g, 0, 0, Direction::Across), "Dimora");
    defs.set(g, slotOf(g, 0, 3, Direction::Down), "Terza colonna");
    defs.set(g, slotOf(g, 0, 4, Direction::Down), "Ultima colonna");
    EXPECT_EQ(defs.find({0, 0, Direction::Across})->letters, "CASA?");

    // New letters: the definition stays, its letters follow.
    g.setCell(0, 4, 'E');
    defs.follow(g);
    EXPECT_EQ(defs.find({0, 0, Direction::Across})->letters, "CASAE");

    // A split keeps the definition on the part that starts at its cell; a
    // blackened first cell makes an orphan.
    g.setCell(0, 3, BLACK_CELL);
    defs.follow(g);
    EXPECT_EQ(defs.find({0, 0, Direction::Across})->letters, "CAS");
    EXPECT_EQ(defs.find({0, 3, Direction::Down}), nullptr);
    EXPECT_EQ(orphanTexts(defs), std::vector<std::string>{"Terza colonna"});
    EXPECT_EQ(defs.orphans()[0].letters, "A??");

    // Undoing the edit brings the orphan back to its slot.
    g.setCell(0, 3, 'A');
    defs.follow(g);
    EXPECT_TRUE(defs.orphans().empty());
    EXPECT_EQ(defs.find({0, 3, Direction::Down})->text, "Terza colonna");

    // A join: the slot that started at (1, 3) across now starts at (1, 0).
    g.setCell(1, 2, BLACK_CELL);
    defs.follow(g);
    defs.set(g, slotOf(g, 1, 3, Direction::Across), "Coda");
    g.setCell(1, 2, EMPTY_CELL);
    defs.follow(g);
    EXPECT_EQ(orphanTexts(defs), std::vector<std::string>{"Coda"});
    EXPECT_EQ(defs.find({1, 0, Direction::Across}), nullptr);
}

TEST(Definitions, LatestOrphanReturnsFirstAndEmptyTextRemoves) {
    Grid g = asciiGrid({"????", "????"});
    Definitions defs;
    const SlotKey first{0, 0, Direction::Down};
    defs.assign(g, {{first, "??", "Doppia"}, {first, "??", "Prima"}, {{1, 0, Direction::Across}, "????", "Sotto"}});
    EXPECT_EQ(defs.find(first)->text, "Doppia");
    EXPECT_EQ(orphanTexts(defs), std::vector<std::string>{"Prima"});

    g.setCell(0, 0, BLACK_CELL);
    defs.follow(g);
    EXPECT_EQ(orphanTexts(defs), (std::vector<std::string>{"Prima", "Doppia"}));
    g.setCell(0, 0, EMPTY_CELL);
    defs.follow(g);
    EXPECT_EQ(defs.find(first)->text, "Doppia");
    EXPECT_EQ(orphanTexts(defs), std::vector<std::string>{"Prima"});

    defs.setOrphan(0, "Riscritta");
    EXPECT_EQ(orphanTexts(defs), std::vector<std::string>{"Riscritta"});
    defs.setOrphan(0, "");
    defs.set(g, *slotAt(g, 0, 0, Direction::Down), "");
    defs.set(g, *slotAt(g, 1, 0, Direction::Across), "");
    EXPECT_TRUE(defs.empty());
}

TEST(ClueList, NumbersSlotsByTheGridNumberingAndCarriesTheirTexts) {
    const Grid g = asciiGrid({"???#", "?#??", "????"});
    Definitions defs;
    defs.set(g, slotOf(g, 1, 2, Direction::Across), "Due lettere");
    std::vector<std::pair<int, std::string>> across, down;
    for (const Clue& c : cluesOf(g, defs, Direction::Across)) across.emplace_back(c.number, c.text);
    for (const Clue& c : cluesOf(g, defs, Direction::Down)) down.emplace_back(c.number, c.text);
    using V = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(across, (V{{1, ""}, {3, "Due lettere"}, {5, ""}}));
    EXPECT_EQ(down, (V{{1, ""}, {2, ""}, {4, ""}}));
}

}  // namespace
}  // namespace quirvo
