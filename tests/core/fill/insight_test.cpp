#include "core/fill/insight.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

std::vector<std::string> cells(const std::vector<CellLetter>& list) {
    std::vector<std::string> out;
    for (const CellLetter& c : list)
        out.push_back(std::to_string(c.row) + "," + std::to_string(c.col) + (c.letter ? std::string(1, c.letter) : ""));
    return out;
}

struct Case {
    const char* name;
    std::vector<std::vector<std::string>> lists;
    DictMask active;
    std::vector<const char*> rows;
    std::vector<uint32_t> candidates;
    std::vector<std::string> dead, forced;
    bool consistent;
};

TEST(Insight, DeadCellsForcedLettersAndConsistency) {
    const std::vector<Case> cases = {
        // No word starts with Z: the lettered cell dies with its slot.
        {"dead", {{"AB", "AC", "BD", "CD"}}, 1, {"Z?", "??"}, {0, 4, 0, 4}, {"0,0", "0,1", "1,0"}, {}, false},
        {"forced", {{"AB", "AC", "BD", "CD"}}, 1, {"A?", "??"}, {2, 4, 2, 4}, {}, {"1,1D"}, true},
        // Every cell has a letter, but the crossings cannot agree.
        {"blocked", {{"ABC", "AZ", "CBA"}}, 1, {"???", "?#?"}, {2, 1, 1}, {}, {}, false},
        // CAS! stands for CASA and CASE in base.diz only; CASA in two lists counts once.
        {"vowel sets", {{"CAS!", "CASA"}, {"CASA", "CAS!", "CASO"}}, 0b11, {"????", "####"}, {3}, {}, {"0,0C", "0,1A", "0,2S"}, true},
        {"switched off", {{"CAS!"}, {"CASO"}, {"CASI"}}, 0b101, {"????", "####"}, {3}, {}, {"0,0C", "0,1A", "0,2S"}, true},
        // A white cell in no slot is neither dead nor forced.
        {"lone cell", {{"AB"}}, 1, {"AB#", "##?"}, {1}, {}, {}, true},
    };
    for (const Case& c : cases) {
        const DictionarySet dicts = testing::dictionarySet(c.lists);
        const WordTable table(dicts);
        Grid grid = Grid::blank(int(c.rows.size()), int(std::string(c.rows[0]).size()));
        for (size_t r = 0; r < c.rows.size(); ++r) {
            std::string row = c.rows[r];
            for (char& ch : row)
                if (ch == '#') ch = BLACK_CELL;
            grid.gridRows[r] = row;
        }
        const InsightReport report = insight(table, c.active, grid);
        std::vector<uint32_t> counts;
        for (const SlotInsight& s : report.slots) counts.push_back(s.candidates);
        EXPECT_EQ(counts, c.candidates) << c.name;
        EXPECT_EQ(cells(report.dead), c.dead) << c.name;
        EXPECT_EQ(cells(report.forced), c.forced) << c.name;
        EXPECT_EQ(report.consistent, c.consistent) << c.name;
    }
}

// The cached check must answer as a fresh one after every kind of change.
TEST(Insight, RememberedChecksAgreeWithFreshOnes) {
    const DictionarySet dicts = testing::dictionarySet({{"ABC", "ABE", "BAD", "BED", "CAB", "DEB", "EBB", "ACE"}, {"ADD", "BEE", "CEE"}});
    const WordTable table(dicts);
    Insight cached(table, 0b11);
    Grid grid = asciiGrid({"???", "???", "???"});
    const std::vector<std::tuple<int, int, char>> edits = {
        {0, 0, 'A'}, {1, 1, 'E'}, {0, 1, 'B'}, {1, 1, EMPTY_CELL}, {2, 2, BLACK_CELL}, {2, 0, 'C'},
        {0, 0, EMPTY_CELL}, {2, 2, 'D'}, {2, 2, EMPTY_CELL}, {2, 2, 'D'}};
    for (const auto& [r, c, code] : edits) {
        grid.setCell(r, c, code);
        const InsightReport fresh = insight(table, 0b11, grid);
        for (const InsightReport& again : {cached.check(grid), cached.check(grid)}) {
            EXPECT_EQ(cells(again.dead), cells(fresh.dead));
            EXPECT_EQ(cells(again.forced), cells(fresh.forced));
            if (fresh.consistent) {
                EXPECT_EQ(again.remaining, fresh.remaining);
            }
            EXPECT_EQ(again.options, fresh.options);
            EXPECT_EQ(again.consistent, fresh.consistent);
        }
    }
}

TEST(Insight, ARaisedStopFlagEndsTheCheck) {
    const DictionarySet dicts = testing::dictionarySet({{"AB", "BA", "AA", "BB"}});
    const WordTable table(dicts);
    std::atomic<bool> stop{true};
    EXPECT_TRUE(insight(table, 1, asciiGrid({"??", "??"}), &stop).stopped);
}

}  // namespace
}  // namespace quirvo
