#include "core/editing/slot_commands.h"

#include <gtest/gtest.h>

#include "../support/search_session.h"
#include "../support/shown_outcome.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;
using testing::ShownSearch;
using testing::slotSession;

const std::vector<Lines> WORDS = {{"C", "CA", "CAB", "CANE", "CASA", "CASSA", "CASSATA", "OSA", "PRESA", "SA"}};

bool operator==(const Outline& a, const Outline& b) {
    return a.cx == b.cx && a.cy == b.cy && a.LAX == b.LAX && a.LAY == b.LAY;
}

constexpr SlotCommand freeHead = SlotCommand::FreeHead, shortenHead = SlotCommand::ShortenHead,
                      shortenTail = SlotCommand::ShortenTail, freeTail = SlotCommand::FreeTail;

ShownSearch press(Session& s, SlotCommand command) {
    Progress progress;
    return testing::shown(pressSlotCommand(command, SlotWork(s, s), s.busyLevel >= 1, s, progress));
}
ShownSearch pressFreeTail(Session& s) { return press(s, freeTail); }

TEST(SlotCommands, FreeHeadAlignsWordsOnTheFixedTailAndOutlinesBothParts) {
    Session s = slotSession(WORDS, "???SA");
    s.outline = {2, 4, 5, 1};  // row slot at columns 2..6 of row 4
    const ShownSearch out = press(s, freeHead);
    EXPECT_EQ(s.slot.headCut, "???");
    EXPECT_EQ(s.slot.slotPattern, "*SA");
    EXPECT_EQ(out.effects.panel2, " =4 ");
    EXPECT_EQ(out.effects.lists, (Lines{"  OSA -1", " CASA -1", "CASSA -1", "PRESA -1"}));
    EXPECT_EQ(out.effects.texta, "*SA");
    EXPECT_TRUE(out.effects.repaint);
    EXPECT_TRUE(*out.effects.redOutline == (Outline{5, 4, 2, 1}));
    EXPECT_TRUE(*out.effects.greenOutline == (Outline{2, 4, 3, 1}));
    EXPECT_TRUE(s.outline == (Outline{2, 4, 3, 1}));  // the freed cells from now on
    EXPECT_EQ(s.slot.slotFull, "???SA");
}

TEST(SlotCommands, FreeTailTakesWordsUpToTheFullSlotInAColumnToo) {
    Session s = slotSession(WORDS, "CA???");
    s.workMode = 2;
    s.outline = {3, 1, 1, 5};
    const ShownSearch out = pressFreeTail(s);
    EXPECT_EQ(s.slot.tailCut, "???");
    EXPECT_EQ(s.slot.slotPattern, "CA*");
    EXPECT_EQ(out.effects.lists, (Lines{"CAB -1", "CANE -1", "CASA -1", "CASSA -1"}));
    EXPECT_TRUE(*out.effects.redOutline == (Outline{3, 1, 1, 2}));
    EXPECT_TRUE(*out.effects.greenOutline == (Outline{3, 3, 1, 3}));
}

TEST(SlotCommands, RefusalsComeInTheirOrderAndChangeNothingElse) {
    struct Case {
        const char* pattern;
        const char* headCut;
        const char* tailCut;
        SlotCommand command;
        const char* panel2;  // nullptr: left as it was
        const char* panel3;
    };
    const Case cases[] = {
        {"CA*", "", "???", freeHead, nullptr, " Richiesta errata! "},
        {"*SA", "???", "", freeHead, " Lunghezza Libera in Testa ", " Gi\u00e0 attivata! "},
        {"CA???", "", "", freeHead, " Lunghezza Libera in Testa ", " Richiesta errata! "},
        {"?A???", "", "", freeHead, " Lunghezza Libera in Testa ", " Richiesta errata! "},
        {"??", "", "", freeHead, " Lunghezza Libera in Testa ", " Richiesta errata! "},
        {"*SA", "???", "", freeTail, nullptr, " non possibile "},
        {"CA*", "", "???", freeTail, " Lunghezza Libera in Coda ", " Gi\u00e0 attivata! "},
        {"???SA", "", "", freeTail, " Lunghezza Libera in Coda ", " Richiesta errata! "},
        {"CA?S?", "", "", freeTail, " Lunghezza Libera in Coda ", " Richiesta errata! "},
        {"CA*", "", "???", shortenHead, nullptr, " Richiesta errata! "},
        {"C?", "", "", shortenHead, " Accorcia all'Inizio ", " non possibile "},
        {"*SA", "???", "", shortenTail, nullptr, " non possibile "},
        {"C?", "", "", shortenTail, " Accorcia alla Fine ", " non possibile "},
    };
    for (const Case& c : cases) {
        Session s = slotSession(WORDS, c.pattern);
        s.slot.headCut = c.headCut;
        s.slot.tailCut = c.tailCut;
        const SlotState before = s.slot;
        const ShownSearch out = press(s, c.command);
        EXPECT_TRUE(out.refused) << c.pattern;
        EXPECT_EQ(out.effects.panel2.has_value(), c.panel2 != nullptr) << c.pattern;
        if (c.panel2) {
            EXPECT_EQ(*out.effects.panel2, c.panel2);
        }
        EXPECT_EQ(out.effects.panel3, c.panel3) << c.pattern;
        EXPECT_EQ(out.effects.beeps, 1);
        EXPECT_FALSE(out.effects.lists.has_value());
        EXPECT_EQ(s.slot.slotPattern, before.slotPattern);
        EXPECT_EQ(s.slot.headCut, before.headCut);
        EXPECT_EQ(s.slot.tailCut, before.tailCut);
    }
}

TEST(SlotCommands, ABusySessionIgnoresCommandsAfterTheirFirstRefusalTest) {
    Session s = slotSession(WORDS, "CA???");
    s.busyLevel = 2;
    EXPECT_TRUE(pressFreeTail(s).ignored);
    EXPECT_TRUE(press(s, shortenTail).ignored);
    EXPECT_EQ(s.slot.slotPattern, "CA???");
    s.slot.tailCut = "?";
    const ShownSearch refused = press(s, freeHead);
    EXPECT_FALSE(refused.ignored);
    EXPECT_EQ(refused.effects.panel3, " Richiesta errata! ");
}

TEST(SlotCommands, ShorteningTheTailSearchesTheShorterSlot) {
    Session s = slotSession(WORDS, "C?S");
    s.outline = {4, 2, 3, 1};
    s.slot.slotColFirst = 4;
    s.slot.slotColLast = 6;
    const ShownSearch out = press(s, shortenTail);
    EXPECT_EQ(s.slot.slotPattern, "C?");
    EXPECT_EQ(s.slot.slotFull, "C?");
    EXPECT_EQ(s.slot.testom, "C?");
    EXPECT_EQ(s.slot.slotColLast, 5);
    EXPECT_EQ(out.effects.panel2, " =1 ");
    EXPECT_EQ(out.effects.lists, Lines{"CA -1"});
    EXPECT_TRUE(*out.effects.redOutline == (Outline{4, 2, 2, 1}));
}

TEST(SlotCommands, ShorteningAFreeEndDropsItAndRefitsTheSlotToItsFixedPart) {
    Session s = slotSession(WORDS, "CA???");
    pressFreeTail(s);
    ShownSearch out = press(s, shortenTail);
    EXPECT_EQ(s.slot.slotPattern, "CA");
    EXPECT_EQ(s.slot.tailCut, "");
    EXPECT_EQ(s.slot.slotColLast, 1);
    EXPECT_EQ(out.effects.panel3, " Richiesta errata! ");  // no open cell left

    // The head likewise: the slot starts at the fixed part, so that a word
    // listed now is written over the cells the pattern describes.
    s = slotSession(WORDS, "???S?");
    press(s, freeHead);
    ASSERT_EQ(s.slot.slotPattern, "*S?");
    out = press(s, shortenHead);
    EXPECT_EQ(s.slot.slotPattern, "S?");
    EXPECT_EQ(s.slot.headCut, "");
    EXPECT_EQ(s.slot.slotColFirst, 3);
    EXPECT_TRUE(*out.effects.redOutline == (Outline{3, 0, 2, 1}));
    EXPECT_EQ(out.effects.lists, Lines{"SA -1"});
}

TEST(SlotCommands, ShorteningTheHeadOfAnOpenHeadMovesTheSlotByOneCell) {
    Session s = slotSession(WORDS, "??SA");
    s.workMode = 2;
    s.outline = {7, 0, 1, 4};
    s.slot.slotRowFirst = 0;
    s.slot.slotRowLast = 3;
    const ShownSearch out = press(s, shortenHead);
    EXPECT_EQ(s.slot.slotPattern, "?SA");
    EXPECT_EQ(s.slot.slotRowFirst, 1);
    EXPECT_TRUE(*out.effects.redOutline == (Outline{7, 1, 1, 3}));
    EXPECT_EQ(out.effects.lists, Lines{"OSA -1"});
}

}  // namespace
}  // namespace quirvo
