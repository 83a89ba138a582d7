#include "core/presenting/blocked_text.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

// Numbers 1 to 11 start the down slots of the first row; 11 and 12 more.
TEST(BlockedText, NamesTheSlotsByNumberWithTheirArticle) {
    const Grid grid = testing::asciiGrid({"???????????", "???????????"});
    const auto down = [](int col) { return Slot{0, int16_t(col), Direction::Down, 2}; };
    struct Case {
        BlockedSlots slots;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{down(2)}, "Blocca il 3 Verticale"},
        {{down(0)}, "Blocca l'1 Verticale"},
        {{down(2), down(7)}, "Blocca il 3 e l'8 Verticale"},
        {{down(2), down(4), down(10)}, "Blocca il 3, il 5 e l'11 Verticale"},
        {{Slot{1, 0, Direction::Across, 11}}, "Blocca il 12 Orizzontale"},
    };
    for (const Case& c : cases) EXPECT_EQ(blockedSlotsText(grid, c.slots), c.text);
}

}  // namespace
}  // namespace quirvo
