#include "core/editing/slot_take.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/search_session.h"
#include "../support/shown_outcome.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;
using testing::ShownSearch;

// A session over one grid whose rows are given as text, "#" for a black cell.
Session gridSession(const std::vector<std::string>& rows, int mode) {
    Session s;
    s.installLexicon(testing::dictionarySet({{"AB", "AX", "CAB", "ZAB"}}));
    s.accorcia = false;
    s.estesa = false;
    s.workMode = static_cast<int16_t>(mode);
    s.grid = testing::asciiGrid(rows);
    return s;
}

ShownSearch click(Session& s, int row, int col, DragCut drag = {}) {
    s.curRow = static_cast<int16_t>(row);
    s.curCol = static_cast<int16_t>(col);
    Progress progress;
    return testing::shown(takeSlot(s.grid, s, s.outline, drag, s, progress));
}

TEST(SlotTake, ARowClickTakesTheRunBetweenBlackCellsAndSearchesIt) {
    Session s = gridSession({"?AB#??", "??????"}, 1);
    s.slot.headCut = "??";  // left from the previous slot
    const ShownSearch out = click(s, 0, 0);
    EXPECT_EQ(s.slot.slotPattern, "?AB");
    EXPECT_EQ(s.slot.slotFull, "?AB");
    EXPECT_EQ(s.slot.testom, "?AB");
    EXPECT_EQ(s.slot.headCut, "");
    EXPECT_EQ(s.slot.slotColFirst, 0);
    EXPECT_EQ(s.slot.slotColLast, 2);
    EXPECT_EQ(out.effects.redOutline->LAX, 3);
    EXPECT_EQ(out.effects.texta, "?AB");
    EXPECT_EQ(out.effects.commandsEnabled, true);
    EXPECT_EQ(out.effects.lists, (Lines{"CAB -1", "ZAB -1"}));
    EXPECT_EQ(out.effects.listsToolTip, "Click per trasferire a RIGA");

    // A click on the black cell searches the run that ends left of it.
    click(s, 0, 3);
    EXPECT_EQ(s.slot.slotPattern, "?AB");
    EXPECT_EQ(s.slot.slotColLast, 2);
}

TEST(SlotTake, ADragLimitsTheSlotToTheDraggedCells) {
    Session s = gridSession({"?AB#??"}, 1);
    ShownSearch out = click(s, 0, 1, DragCut{true, 1, 0, 2, 0});
    EXPECT_EQ(s.slot.slotPattern, "AB");
    EXPECT_EQ(s.slot.testom, "AB");
    EXPECT_EQ(s.slot.slotColFirst, 1);
    EXPECT_EQ(out.effects.panel3, " Richiesta errata! ");  // no open cell in AB

    // A drag that stops short keeps the run up to its end, and testom keeps
    // the whole run for the automatic free tail.
    s = gridSession({"?A?????#"}, 1);
    click(s, 0, 1, DragCut{true, 1, 0, 3, 0});
    EXPECT_EQ(s.slot.slotPattern, "A??");
    EXPECT_EQ(s.slot.testom, "A?????");
    EXPECT_EQ(s.slot.slotColLast, 3);

    // Beyond the black cell the bound follows the drag, the pattern stays.
    s = gridSession({"?AB#??"}, 1);
    out = click(s, 0, 0, DragCut{true, 0, 0, 5, 0});
    EXPECT_EQ(s.slot.slotPattern, "?AB");
    EXPECT_EQ(s.slot.slotColLast, 5);
}

TEST(SlotTake, AColumnClickReadsDownAndIgnoresBlackCells) {
    Session s = gridSession({"#?", "?A", "?B", "#?"}, 2);
    const ShownSearch out = click(s, 2, 0);
    EXPECT_EQ(s.slot.slotPattern, "??");
    EXPECT_EQ(s.slot.slotRowFirst, 1);
    EXPECT_EQ(s.slot.slotRowLast, 2);
    EXPECT_EQ(out.effects.panel3, " Richiesta errata! ");
    click(s, 0, 1);
    EXPECT_EQ(s.slot.slotPattern, "?AB?");
    EXPECT_EQ(s.outline.cx, 1);
    EXPECT_EQ(s.outline.LAY, 4);

    const SlotState before = s.slot;
    EXPECT_TRUE(click(s, 3, 0).ignored);
    EXPECT_EQ(s.slot.slotPattern, before.slotPattern);
}

}  // namespace
}  // namespace quirvo
