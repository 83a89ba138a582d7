#include "core/dictionary/lexicon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

#include "../support/dictionary_builders.h"
#include "core/dictionary/candidates.h"
#include "core/dictionary/fit_test.h"
#include "core/dictionary/slot_search.h"
#include "core/presenting/result_lines.h"

namespace quirvo {
namespace {

// Sorted lists of words over few letters, so that patterns match often.
DictionarySet randomLists(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::vector<std::string>> lists(3);
    for (auto& list : lists) {
        for (int i = 0; i < 400; ++i) {
            std::string w(2 + rng() % 6, 'A');
            for (char& c : w) c = static_cast<char>('A' + rng() % 4);
            list.push_back(w);
        }
        std::sort(list.begin(), list.end());
    }
    return testing::dictionarySet(lists);
}

// What one reader finds for a set of patterns: slot search entries, fit
// tests and candidate words, all through the same lexicon.
std::vector<std::string> readAll(const Lexicon& lex) {
    std::vector<std::string> found;
    for (const char* pattern : {"A?", "?B?", "AA??", "??C?D", "D?A???", "B*", "?????"}) {
        Progress progress;
        const SlotQuery query{pattern, pattern, "", true};
        const DictMask active = activeMask(lex.dictionaries());
        for (const SlotHit& hit : scanSlot(lex, active, query, progress).hits) found.push_back(listLine(hit));
        found.push_back(sugginc(lex, active, pattern, true, progress).hit ? "fit" : "no");
        const Candidates c = candidates(lex.words(), pattern, active);
        for (uint32_t w : c.words) found.emplace_back(lex.words().word(c.length, w));
    }
    return found;
}

// Two threads read one lexicon at once, the first use of the word table
// included; under ThreadSanitizer a race is reported, and both must find
// what a single reader finds afterwards.
TEST(Lexicon, TwoThreadsReadOneLexiconAtOnce) {
    const auto lex = std::make_shared<const Lexicon>(randomLists(7));
    std::vector<std::string> first, second;
    std::thread a([&] { first = readAll(*lex); });
    std::thread b([&] { second = readAll(*lex); });
    a.join();
    b.join();
    const std::vector<std::string> alone = readAll(*lex);
    EXPECT_FALSE(alone.empty());
    EXPECT_EQ(first, alone);
    EXPECT_EQ(second, alone);
}

}  // namespace
}  // namespace quirvo
