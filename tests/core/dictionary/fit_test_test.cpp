#include "core/dictionary/fit_test.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;

FitTest fit(const std::vector<Lines>& lists, const std::string& pattern, bool accorcia, int inactive = 0) {
    const Lexicon lexicon(testing::dictionarySet(lists));
    DictMask active = activeMask(lexicon.dictionaries());
    if (inactive) active &= DictMask(~slotBit(inactive));
    Progress progress;
    return sugginc(lexicon, active, pattern, accorcia, progress);
}

TEST(FitTest, OpenCodesAgreeOnlyInTheBaseDictionaryAndItsLastLetterMustBeInTheSet) {
    EXPECT_TRUE(fit({{"CAS!"}}, "CASA", false).hit);
    EXPECT_TRUE(fit({{"CAS!"}}, "CASE", false).hit);
    EXPECT_FALSE(fit({{"CAS!"}}, "CASO", false).hit);
    EXPECT_FALSE(fit({{"ZZZZ"}, {"CAS!"}}, "CASA", false).hit);
    EXPECT_TRUE(fit({{"ZZZZ"}, {"CAS!"}}, "CAS?", false).hit);
    EXPECT_TRUE(fit({{"C@SA"}}, "CASA", false).hit);
    EXPECT_FALSE(fit({{"ZZZZ"}, {"C@SA"}}, "CASA", false).hit);
}

TEST(FitTest, OnlyLinesBeginningWithAQuoteAreSkipped) {
    EXPECT_FALSE(fit({{"'XYZ"}}, "?XYZ", false).hit);
    EXPECT_TRUE(fit({{"#XYZ"}}, "?XYZ", false).hit);
    EXPECT_TRUE(fit({{"AA"}, {"#XYZ"}}, "?XYZ", false).hit);
}

TEST(FitTest, WithLunghezzaLiberaShorterLengthsDownToTheLastLetterCount) {
    const std::vector<Lines> pa = {{"PA", "PAX"}};
    FitTest r = fit(pa, "PA??", true);
    EXPECT_TRUE(r.hit);
    EXPECT_EQ(r.fitLen, 3);
    r = fit({{"PA"}}, "PA??", true);
    EXPECT_TRUE(r.hit);
    EXPECT_EQ(r.fitLen, 2);
    EXPECT_FALSE(fit({{"PA"}}, "PA??", false).hit);
    r = fit({{"PAST"}}, "PAST", false);
    EXPECT_EQ(r.fitLen, 4);
    // Never shorter than the last letter: P?R? cannot fit the entry P.
    EXPECT_FALSE(fit({{"P", "PA"}}, "P?R?", true).hit);
}

TEST(FitTest, KeepsTheLetterStartTheSortedStopAndTheTopForAnUnknownInitial) {
    // "@BC" agrees with any initial in the base dictionary, but only a scan
    // from the top reaches it; "BAX" after the C block is past the stop.
    const std::vector<Lines> list = {{"@BC", "BAA", "CAB", "BAX"}};
    EXPECT_TRUE(fit(list, "KBC", false).hit);
    EXPECT_FALSE(fit(list, "BBC", false).hit);
    EXPECT_FALSE(fit(list, "BAX", false).hit);
    EXPECT_TRUE(fit(list, "?AX", false).hit);
    EXPECT_FALSE(fit({{"ZZZ"}, {"BAX"}}, "BAX", false, 2).hit);
}

TEST(FitTest, AStopEndsTheTestWithNothingFound) {
    Lines many;
    for (int i = 0; i < 5000; ++i) many.push_back("A" + std::to_string(10000 + i));
    const Lexicon lexicon(testing::dictionarySet({many}));
    Progress stop([] { return true; });
    stop.pollNow();
    const FitTest r = sugginc(lexicon, activeMask(lexicon.dictionaries()), "A?????Q", true, stop);
    EXPECT_FALSE(r.hit);
    EXPECT_TRUE(r.stopped);
}

}  // namespace
}  // namespace quirvo
