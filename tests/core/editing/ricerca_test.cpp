#include "core/editing/ricerca.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "../support/search_session.h"
#include "../support/shown_outcome.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;
using testing::ShownSearch;
using testing::slotSession;

Lines listed(const ShownSearch& out) { return out.effects.lists.value_or(Lines{"(list untouched)"}); }

ShownSearch search(Session& s, Progress& progress) {
    return testing::shown(ricerca(SlotWork(s, s), s, progress));
}
ShownSearch search(Session& s) {
    Progress progress;
    return search(s, progress);
}

TEST(Ricerca, BaseDictionaryResolvesAFinalVowelSetOtherDictionariesListItAsStored) {
    const std::vector<Lines> lists = {{"CAS!", "CASA", "CASO"}, {"CAS!", "CASE"}};
    Session s = slotSession(lists, "C?SA");
    ShownSearch out = search(s);
    EXPECT_EQ(listed(out), (Lines{"CAS! -2", "CASA -1", "CASA -1"}));
    EXPECT_EQ(out.effects.panel2, " =3 ");
    EXPECT_EQ(out.effects.beeps, 0);

    s = slotSession(lists, "CAS?");
    EXPECT_EQ(listed(search(s)), (Lines{"CAS! -2", "CAS(AE) -1", "CASA -1", "CASE -2", "CASO -1"}));

    s = slotSession({{"CAS!"}}, "C?SO");
    out = search(s);
    EXPECT_EQ(listed(out), Lines{});
    EXPECT_EQ(out.effects.panel2, " nessuno ");
    EXPECT_EQ(out.effects.beeps, 1);
    EXPECT_EQ(out.resultCount, 0);
}

TEST(Ricerca, RefusesPatternsWithoutAnOpenCellAllOpenOrShorterThanTwo) {
    for (const std::string pattern : {"??", "CASA", "C", ""}) {
        Session s = slotSession({{"CASA", "CA"}}, pattern, true);
        const ShownSearch out = search(s);
        EXPECT_TRUE(out.refused) << pattern;
        EXPECT_EQ(out.effects.panel2, " ");
        EXPECT_EQ(out.effects.panel3, " Richiesta errata! ");
        EXPECT_EQ(out.effects.beeps, 1);
        EXPECT_EQ(listed(out), Lines{});
        EXPECT_FALSE(out.retried);  // a refusal never reaches the automatic free tail
        EXPECT_EQ(s.slot.slotPattern, pattern);
    }
}

TEST(Ricerca, TheCapKeepsTheFirstFiftyInScanOrderAcrossDictionaries) {
    Lines base, second;
    for (int i = 0; i < 30; ++i) base.push_back("PA" + std::string(1, 'A' + i % 26) + std::string(1, 'A' + i / 26));
    for (int i = 0; i < 100; ++i) second.push_back("PB" + std::string(1, 'A' + i % 26) + std::string(1, 'A' + i / 26));
    std::sort(base.begin(), base.end());
    std::sort(second.begin(), second.end());
    // Slot 2 sorts before slot 1 in the list, but slot 1 is scanned first.
    Session s = slotSession({second, base}, "P???");
    ShownSearch out = search(s);
    Lines expected;
    for (int i = 0; i < 50; ++i) expected.push_back(second[i] + " -1");
    EXPECT_EQ(listed(out), expected);
    EXPECT_EQ(out.effects.panel2, " =50 ");
    EXPECT_TRUE(out.capped);

    s = slotSession({base, second}, "P???");
    out = search(s);
    Lines firstFifty;
    for (const auto& w : base) firstFifty.push_back(w + " -1");
    for (int i = 0; i < 20; ++i) firstFifty.push_back(second[i] + " -2");
    EXPECT_EQ(listed(out), firstFifty);

    s = slotSession({base, second}, "P???");
    s.estesa = true;
    out = search(s);
    EXPECT_EQ(out.effects.panel2, " =130 ");
    EXPECT_FALSE(out.capped);
}

TEST(Ricerca, ScanStartsAtTheInitialStopsPastThePrefixAndScansFromTheTopForAnUnknownInitial) {
    // "@AB" (an open code first) agrees with any initial, but only a scan
    // from the top meets it; "BAX" out of order after the C block is past
    // the stop of a B search.
    const Lines list = {"@AB", "BAA", "BAR", "CAB", "CAR", "BAX"};
    Session s = slotSession({list}, "BA?");
    EXPECT_EQ(listed(search(s)), (Lines{"BAA -1", "BAR -1"}));
    s = slotSession({list}, "CA?");
    EXPECT_EQ(listed(search(s)), (Lines{"CAB -1", "CAR -1"}));
    s = slotSession({list}, "KA?");
    EXPECT_EQ(listed(search(s)), (Lines{"@AB -1"}));
    s = slotSession({list}, "?A?");
    EXPECT_EQ(listed(search(s)), (Lines{"@AB -1", "BAA -1", "BAR -1", "BAX -1", "CAB -1", "CAR -1"}));
}

TEST(Ricerca, RemarkLinesAreNeverOfferedAndInactiveDictionariesAreSkipped) {
    Session s = slotSession({{"#AB", "'AB", "AB"}, {"AX"}, {"AY"}}, "A?");
    s.setDictionaryActive(2, false);
    EXPECT_EQ(listed(search(s)), (Lines{"AB -1", "AY -3"}));
}

TEST(Ricerca, AFreshLexiconIsWhatTheNextSearchReadsWithTheListsLoadingSwitchedOn) {
    Session s = slotSession({{"AB"}}, "A?");
    EXPECT_EQ(listed(search(s)), Lines{"AB -1"});
    DictionarySet loaded = testing::dictionarySet({{"AB", "AC"}, {"AD"}, {"AE"}});
    loaded[3].active = false;
    s.installLexicon(std::move(loaded));
    EXPECT_EQ(listed(search(s)), (Lines{"AB -1", "AC -1", "AD -2"}));
}

TEST(Ricerca, ADictionarySwitchedOffWhileTheScanYieldsIsSkippedWhenItsTurnComes) {
    Lines many;
    for (int i = 0; i < 2000; ++i) many.push_back("A" + std::to_string(100000 + i));
    Session s = slotSession({many, {"A999999"}}, "A??????");
    s.estesa = true;
    Progress progress([&] {
        s.setDictionaryActive(2, false);
        return false;
    });
    std::this_thread::sleep_for(Progress::SLICE + std::chrono::milliseconds(5));  // the first poll is due
    const ShownSearch out = search(s, progress);
    ASSERT_FALSE(s.dictionaryActive(2));
    EXPECT_EQ(out.resultCount, 2000);
}

TEST(Ricerca, TheLastEntryIsFoundWithOrWithoutItsLineEnd) {
    for (const std::string text : {"AAA\r\nAB", "AAA\r\nAB\r\n", "AB"}) {
        Session s = slotSession({}, "A?");
        testing::installDictionary(s, 1, makeDictionary("base.diz", text));
        EXPECT_EQ(listed(search(s)), Lines{"AB -1"}) << text;
    }
}

TEST(Ricerca, LinesAreComparedAsTheyStandBlanksIncluded) {
    // A blank agrees with any letter, but in the base dictionary a last
    // character that is no vowel set cannot stand for the slot's last letter.
    Session s = slotSession({{"ABX", "AB ", "AB"}, {"AB "}}, "?BX");
    EXPECT_EQ(listed(search(s)), (Lines{"AB  -2", "ABX -1"}));
    s = slotSession({{"AB ", " BC"}}, "?B?");
    EXPECT_EQ(listed(search(s)), (Lines{" BC -1", "AB  -1"}));
}

TEST(Ricerca, WithLunghezzaLiberaANormalSearchThatFindsNothingIsRetriedOnceAsAFreeTail) {
    Session s = slotSession({{"CA", "CANE", "CASA", "CASSA", "CASSATA"}}, "CAS???", true);
    ShownSearch out = search(s);
    EXPECT_TRUE(out.retried);
    EXPECT_EQ(s.slot.slotPattern, "CAS*");
    EXPECT_EQ(s.slot.tailCut, "???");
    EXPECT_EQ(listed(out), (Lines{"CASA -1", "CASSA -1"}));
    EXPECT_EQ(out.effects.panel2, " =2 ");
    EXPECT_EQ(out.effects.beeps, 1);  // the first search's " nessuno "
    EXPECT_EQ(s.slot.autoTail, 0);
    EXPECT_EQ(s.slot.slotFull, "CAS???");

    // A retry that finds nothing too ends there, and so does a pattern
    // ending in a letter.
    s = slotSession({{"CA", "CANE"}}, "CAS??", true);
    out = search(s);
    EXPECT_TRUE(out.retried);
    EXPECT_EQ(out.effects.panel2, " nessuno ");
    EXPECT_EQ(out.effects.beeps, 2);
    EXPECT_EQ(s.slot.autoTail, 0);
    s = slotSession({{"CA", "CANE"}}, "C??S", true);
    EXPECT_FALSE(search(s).retried);
}

TEST(Ricerca, TheRetryStartsFromTheSlotBeforeTheDragAndRestoresItsFullPatternAfter) {
    Session s = slotSession({{"CANE", "CANTO"}}, "CAP?", true);
    s.slot.testom = "CA???";  // the run before a drag cut it to four cells
    const ShownSearch out = search(s);
    EXPECT_TRUE(out.retried);
    EXPECT_EQ(listed(out), Lines{"CANE -1"});  // still no longer than the cut slot
    EXPECT_EQ(s.slot.slotFull, "CA???");
}

TEST(Ricerca, ARefusedRetryLeavesNoBookkeepingForTheNextSlot) {
    Session s = slotSession({{"CASA"}}, "*SA?", true);
    s.slot.headCut = "???";
    s.slot.slotFull = "???SA?";
    s.slot.testom = "???SA??";  // before a drag cut the slot
    const ShownSearch out = search(s);
    EXPECT_TRUE(out.retried);
    EXPECT_EQ(out.effects.panel3, " non possibile ");
    EXPECT_EQ(s.slot.autoTail, 0);
    EXPECT_EQ(s.slot.slotFull, "???SA??");
}

TEST(Ricerca, AStopKeepsTheEntriesFoundSoFarAndSkipsTheRetry) {
    Lines many;
    for (int i = 0; i < 20000; ++i) many.push_back("A" + std::to_string(100000 + i));
    Session s = slotSession({many}, "A??????", true);
    s.estesa = true;
    int polls = 0;
    Progress progress([&] { return ++polls >= 1; });
    std::this_thread::sleep_for(Progress::SLICE + std::chrono::milliseconds(5));  // the first poll is due
    const ShownSearch out = search(s, progress);
    EXPECT_TRUE(out.interrupted);
    EXPECT_GT(out.resultCount, 0);
    EXPECT_LT(out.resultCount, 20000);
    EXPECT_EQ(out.effects.panel3, " Interruzione! ");
    EXPECT_FALSE(out.retried);
    EXPECT_EQ(s.stopRequest, 0);
    EXPECT_EQ(s.busyLevel, 0);

    s = slotSession({{"ABC"}}, "A??", true);
    Progress stopped([] { return true; });
    stopped.pollNow();  // asked before the first line
    const ShownSearch early = search(s, stopped);
    EXPECT_EQ(early.effects.panel2, " nessuno ");
    EXPECT_EQ(early.effects.panel3, " Interruzione! ");
    EXPECT_FALSE(early.retried);
    EXPECT_EQ(s.stopRequest, 0);
}

}  // namespace
}  // namespace quirvo
