#include "core/presenting/result_lines.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;

// The hits view the dictionaries, not the pattern they were asked with: the
// automatic free tail rewrites slotPattern while the first search's hits
// are still to be shown.
TEST(ResultLines, HitsViewTheDictionaryTextAndOutliveThePattern) {
    const Lexicon lexicon(testing::dictionarySet({{"CAS!", "CASO", "OSA"}, {"CAS!", "SA"}}));
    const DictMask active = activeMask(lexicon.dictionaries());
    std::string pattern = "CAS?", full = pattern;
    Progress progress;
    SlotScan scan = scanSlot(lexicon, active, SlotQuery{pattern, full, "", false}, progress);
    pattern = "C?SA";
    SlotScan known = scanSlot(lexicon, active, SlotQuery{pattern, full, "", false}, progress);
    pattern.assign(64, 'X');
    full.assign(64, 'X');
    for (const SlotScan* s : {&scan, &known})
        for (const SlotHit& hit : s->hits) {
            const std::string& text = lexicon[hit.ndi].dictText;
            EXPECT_GE(hit.entry.data(), text.data());
            EXPECT_LE(hit.entry.data() + hit.entry.size(), text.data() + text.size());
        }
    EXPECT_EQ(listLines(scan), (Lines{"CAS! -2", "CAS(AE) -1", "CASO -1"}));
    EXPECT_EQ(listLines(known), (Lines{"CAS! -2", "CASA -1"}));  // the A of "(AE)"

    // A free head lines the words up on the slot's last cell.
    const std::string head = "*SA", five = "???SA";
    scan = scanSlot(lexicon, active, SlotQuery{head, five, "???", false}, progress);
    EXPECT_EQ(listLines(scan), (Lines{"  OSA -1", " CAS! -2", " CASA -1"}));
}

TEST(ResultLines, CrossingLinesNameTheShortfallOfEachWord) {
    CrossingOutcome out;
    out.letters = {{'O', true, 2, 1}, {'B', false, 0, 0}, {'A', true, 0, 3}, {'S', true, 0, 0}, {'T', true, 1, 0}};
    EXPECT_EQ(crossingLines(out), (Lines{"A (Vert.-3)", "O (Oriz.-2 / Vert.-1)", "S", "T (Oriz.-1)"}));
}

}  // namespace
}  // namespace quirvo
