#include "core/dictionary/candidates.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "../support/dictionary_builders.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {
namespace {

// The words a plain reading of the lists gives for a pattern, each with
// its earliest active slot.
std::map<std::string, int> plainScan(const DictionarySet& dicts, DictMask active, const std::string& pattern) {
    std::map<std::string, int> found;
    const auto offer = [&](const std::string& form, int slot) {
        if (form.size() != pattern.size()) return;
        for (size_t i = 0; i < form.size(); ++i)
            if (form[i] < 'A' || form[i] > 'Z' || (pattern[i] != '?' && pattern[i] != form[i])) return;
        found.emplace(form, slot);
    };
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
        if (!(active >> (slot - 1) & 1)) continue;
        const std::string& text = dicts[slot].dictText;
        forEachLine(text, [&](size_t pos, size_t len) {
            std::string entry = text.substr(pos, len);
            if (entry.empty() || entry[0] == '\'' || entry[0] == '#') return;
            const VowelSet* set = slot == 1 ? findVowelSet(entry.back()) : nullptr;
            if (!set) return offer(entry, slot);
            for (const char vowel : set->vowels) offer(entry.substr(0, entry.size() - 1) + vowel, slot);
        });
    }
    return found;
}

std::string randomEntry(std::mt19937& rng) {
    static const std::string alphabet = "ABCE!@#1";
    std::string w(2 + rng() % 4, 'A');
    for (char& c : w) c = alphabet[rng() % (rng() % 8 == 0 ? alphabet.size() : 4)];
    if (rng() % 5 == 0) w.back() = "!%@="[rng() % 4];
    if (rng() % 25 == 0) w = "'" + w;
    return w;
}

TEST(Candidates, AgreeWithAPlainReadingOfRandomLists) {
    std::mt19937 rng(12);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::vector<std::string>> lists(1 + rng() % 4);
        for (auto& list : lists)
            for (int i = 0; i < 80; ++i) list.push_back(randomEntry(rng));
        DictionarySet dicts = testing::dictionarySet(lists);
        const WordTable table(dicts);
        for (int query = 0; query < 20; ++query) {
            const DictMask active = DictMask(1 | (rng() % 64));
            std::string pattern(2 + rng() % 4, '?');
            for (char& c : pattern)
                if (rng() % 3 == 0) c = "ABCE"[rng() % 4];
            const std::map<std::string, int> expected = plainScan(dicts, active, pattern);
            const Candidates got = candidates(table, pattern, active);
            std::map<std::string, int> seen;
            std::vector<uint32_t> letters(pattern.size(), 0);
            for (const uint32_t w : got.words) {
                const std::string word(table.word(got.length, w));
                seen.emplace(word, table.firstDictionary(got.length, w, active));
                for (size_t p = 0; p < word.size(); ++p) letters[p] |= 1u << (word[p] - 'A');
            }
            ASSERT_EQ(seen, expected) << "pattern " << pattern << " round " << round;
            EXPECT_EQ(seen.size(), got.words.size()) << "a word listed twice";
            EXPECT_EQ(got.letters, letters);
        }
    }
}

TEST(Candidates, FindsEveryWordAndRefusesOtherPatterns) {
    const DictionarySet dicts = testing::dictionarySet({{"CAS!", "CASO", "RE"}, {"CASO", "CAS!"}});
    const WordTable table(dicts);
    ASSERT_NE(table.find("CASE"), WordTable::NOT_FOUND);
    EXPECT_EQ(table.word(4, table.find("CASE")), "CASE");
    EXPECT_EQ(table.find("CAS!"), WordTable::NOT_FOUND);
    EXPECT_EQ(table.find("CASI"), WordTable::NOT_FOUND);
    EXPECT_EQ(table.firstDictionary(4, table.find("CASO"), 0b10), 2);
    EXPECT_EQ(table.firstDictionary(4, table.find("CASA"), 0b10), 0);
    EXPECT_TRUE(candidates(table, "CA*?", 0b11).words.empty());
    EXPECT_TRUE(candidates(table, "cas?", 0b11).words.empty());
    EXPECT_EQ(candidates(table, "????", 0b11).words.size(), 3u);
}

}  // namespace
}  // namespace quirvo
