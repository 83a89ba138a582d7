#include "core/dictionary/crossing_trial.h"
#include "core/editing/crossing_take.h"
#include "core/session.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"
#include "../support/shown_outcome.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;
using testing::ShownCrossing;

const Lines WORDS = {"OR", "PALLA", "PAO", "PASTA", "PATTO", "SRL", "TR"};

Session trialSession(const std::vector<std::string>& rows, bool accorcia = true) {
    Session s;
    s.installLexicon(testing::dictionarySet({WORDS}));
    s.accorcia = accorcia;
    s.workMode = 6;
    s.grid = testing::asciiGrid(rows);
    return s;
}

ShownCrossing clickCell(Session& s, int row, int col, bool vowels = false, const LetterStarted& started = {}) {
    s.curRow = static_cast<int16_t>(row);
    s.curCol = static_cast<int16_t>(col);
    Progress progress;
    return testing::shownClick(crossingTrial(s.grid, s, s.outline, s, vowels, progress, started), s.outline);
}

const std::vector<std::string> GRID = {"PA???", "##R##", "##?##"};

TEST(CrossingTrial, ListsTheLettersThatFitBothWaysWithTheShortfallNotes) {
    Session s = trialSession(GRID);
    const ShownCrossing out = clickCell(s, 0, 2);
    EXPECT_EQ(out.effects.lists, (Lines{"O (Oriz.-2 / Vert.-1)", "S", "T (Vert.-1)"}));
    EXPECT_EQ(out.crossHits, 3);
    EXPECT_EQ(out.effects.panel1, " SUGGERIMENTI INCROCIO (test completo, premere Ctrl per sole vocali) ");
    EXPECT_EQ(out.effects.panel2, " =3 ");
    EXPECT_EQ(out.effects.panel3, " ");
    EXPECT_EQ(out.effects.listsToolTip, "Click per trasferire all'INCROCIO");
    EXPECT_EQ(out.effects.commandsEnabled, false);
    EXPECT_EQ(out.effects.texta, "?");
    EXPECT_EQ(out.effects.beeps, 0);
    EXPECT_EQ(s.slot.slotPattern, "?");
    EXPECT_EQ(s.slot.slotColFirst, 0);
    EXPECT_EQ(s.slot.slotColLast, 4);
    EXPECT_EQ(s.slot.slotRowFirst, 0);
    EXPECT_EQ(s.slot.slotRowLast, 2);
    EXPECT_EQ(s.busyLevel, 0);
    EXPECT_EQ(out.effects.redOutline->cx, 2);
    EXPECT_EQ(out.effects.redOutline->LAX, 1);
}

TEST(CrossingTrial, VowelsOnlyAndFullLengthOnly) {
    Session s = trialSession(GRID);
    std::string tried;
    ShownCrossing out = clickCell(s, 0, 2, true, [&](char letter) { tried += letter; });
    EXPECT_EQ(tried, "AEIOU");
    EXPECT_EQ(out.effects.lists, Lines{"O (Oriz.-2 / Vert.-1)"});
    EXPECT_EQ(out.effects.panel1, " SUGGERIMENTI INCROCIO (solo le vocali, premere Alt per test completo) ");

    s = trialSession(GRID, false);
    out = clickCell(s, 0, 2);
    EXPECT_EQ(out.effects.lists, Lines{"S"});

    s = trialSession({"PAX??", "###Q#"});
    out = clickCell(s, 0, 3);
    EXPECT_EQ(out.effects.lists, Lines{});
    EXPECT_EQ(out.effects.panel2, " nessuno ");
    EXPECT_EQ(out.effects.beeps, 1);
}

TEST(CrossingTrial, RefusesAFilledCellARunOfOneCellAndARunWithoutLetters) {
    Session s = trialSession(GRID);
    ShownCrossing out = clickCell(s, 0, 0);
    EXPECT_EQ(out.effects.panel3, " Richiesta errata! ");
    EXPECT_EQ(out.effects.beeps, 1);
    out = clickCell(s, 2, 2);  // alone in its row
    EXPECT_EQ(out.effects.panel2, " ");
    EXPECT_EQ(out.effects.panel3, " errore CASELLA ");
    EXPECT_EQ(out.effects.beeps, 1);
    EXPECT_TRUE(out.refused);
    s = trialSession({"AB?", "##?"});
    out = clickCell(s, 0, 2);  // the down run has no letter yet
    EXPECT_EQ(out.effects.panel3, " errore CASELLA ");
    EXPECT_EQ(s.busyLevel, 0);
}

TEST(CrossingTrial, AStopKeepsTheLettersListedSoFar) {
    const Lexicon lexicon(testing::dictionarySet({WORDS}));
    const DictMask active = activeMask(lexicon.dictionaries());
    Progress all;
    const ShownCrossing full = testing::shown(trialOnRuns(lexicon, active, "PA#??", "#R?", false, true, all));
    int polls = 0;
    Progress stopLate([&] { return ++polls >= 20; });  // about at the letter T
    const ShownCrossing out = testing::shown(trialOnRuns(lexicon, active, "PA#??", "#R?", false, true, stopLate));
    EXPECT_TRUE(out.interrupted);
    EXPECT_EQ(out.effects.panel2, " =" + std::to_string(out.crossHits) + " ");
    EXPECT_EQ(out.effects.panel3, " interruzione  ");
    EXPECT_EQ(out.effects.beeps, 0);
    const Lines& got = *out.effects.lists;
    ASSERT_GE(got.size(), 1u);
    EXPECT_EQ(got[0], "O (Oriz.-2 / Vert.-1)");
    EXPECT_LT(got.size(), full.effects.lists->size());
    EXPECT_TRUE(std::equal(got.begin(), got.end(), full.effects.lists->begin()));
}

}  // namespace
}  // namespace quirvo
