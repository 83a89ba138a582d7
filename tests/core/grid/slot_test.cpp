#include "core/grid/slot.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;
constexpr Direction A = Direction::Across, D = Direction::Down;

TEST(Slots, AcrossInReadingOrderThenDownByColumn) {
    const Grid g = asciiGrid({"#??R??#", "?#???#?", "???#???"});
    const std::vector<Slot> expected = {
        {0, 1, A, 5}, {1, 2, A, 3}, {2, 0, A, 3}, {2, 4, A, 3},
        {1, 0, D, 2}, {0, 2, D, 3}, {0, 3, D, 2}, {0, 4, D, 3}, {1, 6, D, 2},
    };
    EXPECT_EQ(slotsOf(g), expected);
    EXPECT_EQ(expected[0].pattern(g), "??R??");
}

TEST(Slots, SlotAtFindsTheRunThroughACell) {
    const Grid g = asciiGrid({"#??R??#", "?#???#?", "???#???"});
    struct Case { int r, c; Direction d; std::optional<Slot> want; };
    const Case cases[] = {
        {0, 3, A, Slot{0, 1, A, 5}},
        {0, 5, A, Slot{0, 1, A, 5}},
        {2, 2, D, Slot{0, 2, D, 3}},
        {0, 0, A, std::nullopt},  // black
        {1, 0, A, std::nullopt},  // a single cell across
        {0, 5, D, std::nullopt},  // a single cell down, above a black
        {1, 3, D, Slot{0, 3, D, 2}},
        {2, 6, D, Slot{1, 6, D, 2}},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(slotAt(g, k.r, k.c, k.d), k.want) << k.r << "," << k.c;
        if (k.want) {
            EXPECT_GE(k.want->indexOf(k.r, k.c), 0);
        }
    }
    EXPECT_EQ(Slot({0, 1, A, 5}).indexOf(1, 2), -1);
}

TEST(Slots, RunAtGivesTheRunOfAnyLengthAndSlotAtOnlyRunsOfTwoOrMore) {
    // A short last row reads as empty cells past its end.
    Grid g = asciiGrid({"#??R??#", "?#???#?", "???#???"});
    g.gridRows[2].resize(5);
    struct Case { int r, c; Direction d; std::optional<Slot> run; };
    const Case cases[] = {
        {0, 3, A, Slot{0, 1, A, 5}},
        {1, 0, A, Slot{1, 0, A, 1}},  // between the edge and a black cell
        {1, 6, A, Slot{1, 6, A, 1}},
        {0, 5, D, Slot{0, 5, D, 1}},
        {2, 6, A, Slot{2, 4, A, 3}},  // past the end of the short row
        {2, 6, D, Slot{1, 6, D, 2}},
        {0, 0, A, std::nullopt},      // black
        {3, 0, D, std::nullopt},      // outside
        {0, -1, A, std::nullopt},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(runAt(g, k.r, k.c, k.d), k.run) << k.r << "," << k.c;
        const bool word = k.run && k.run->length >= 2;
        EXPECT_EQ(slotAt(g, k.r, k.c, k.d), word ? k.run : std::nullopt) << k.r << "," << k.c;
    }
}

}  // namespace
}  // namespace quirvo
