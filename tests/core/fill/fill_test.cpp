#include "core/fill/fill.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <set>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"
#include "core/dictionary/lexicon.h"
#include "core/fill/insight.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

// Why a filled grid is not a fill of the given one, "" when it is.
std::string faultOf(const WordTable& table, DictMask active, const Grid& given, const Grid& filled) {
    std::set<std::string> words;
    for (int r = 0; r < given.rowCount; ++r)
        for (int c = 0; c < given.colCount; ++c) {
            const char was = given.cell(r, c), now = filled.cell(r, c);
            if (given.isBlack(r, c) != filled.isBlack(r, c)) return "blocks moved";
            if (!given.isBlack(r, c) && !isLetterCode(now)) return "cell left empty";
            if (isLetterCode(was) && was != now) return "given letter changed";
        }
    for (const Slot& slot : slotsOf(filled)) {
        const std::string word = slot.pattern(filled);
        const uint32_t at = table.find(word);
        if (at == WordTable::NOT_FOUND || !table.firstDictionary(slot.length, at, active)) return word + " is no word";
        if (!words.insert(word).second) return word + " read twice";
    }
    return "";
}

bool fits(const std::string& word, const std::string& pattern) {
    if (word.size() != pattern.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (pattern[i] != '?' && pattern[i] != word[i]) return false;
    return true;
}

// Whether any fill exists, by trying every word in every slot, giving up on
// a branch as soon as some slot has no word left that fits. A word is used
// up by its key: itself, or under the rules its lemma.
bool fillExists(const std::vector<std::string>& words, Grid& grid, const std::vector<Slot>& slots, size_t next,
                std::set<std::string>& used,
                const std::function<std::string(const std::string&)>& key = [](const std::string& w) { return w; }) {
    for (size_t s = next; s < slots.size(); ++s) {
        const std::string pattern = slots[s].pattern(grid);
        if (std::none_of(words.begin(), words.end(), [&](const std::string& w) { return fits(w, pattern); })) return false;
    }
    if (next == slots.size()) return true;
    const Slot& slot = slots[next];
    const std::string pattern = slot.pattern(grid);
    for (const std::string& word : words) {
        if (!fits(word, pattern) || used.count(key(word))) continue;
        used.insert(key(word));
        for (int i = 0; i < slot.length; ++i) grid.setCell(slot.rowOf(i), slot.colOf(i), word[size_t(i)]);
        const bool found = fillExists(words, grid, slots, next + 1, used, key);
        for (int i = 0; i < slot.length; ++i) grid.setCell(slot.rowOf(i), slot.colOf(i), pattern[size_t(i)]);
        used.erase(key(word));
        if (found) return true;
    }
    return false;
}

Grid randomGrid(std::mt19937& rng) {
    Grid grid = Grid::blank(2 + int(rng() % 3), 2 + int(rng() % 3));
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const unsigned roll = rng() % 10;
            if (roll == 0) grid.setCell(r, c, BLACK_CELL);
            else if (roll == 1) grid.setCell(r, c, "AEIO"[rng() % 4]);
        }
    return grid;
}

std::vector<std::string> randomWords(std::mt19937& rng, size_t count) {
    std::vector<std::string> words;
    while (words.size() < count) {
        std::string w(2 + rng() % 3, 'A');
        for (char& c : w) c = "AEIOSTR"[rng() % 7];
        words.push_back(w);
    }
    return words;
}

TEST(Fill, EveryFillIsValidAndNoFillOnlyWhenNoneExists) {
    std::mt19937 rng(7);
    int filled = 0, proved = 0;
    for (int round = 0; round < 150; ++round) {
        const std::vector<std::string> base = randomWords(rng, 60), second = randomWords(rng, 60);
        const WordTable table(testing::dictionarySet({base, second}));
        const DictMask active = DictMask(1 + rng() % 3);
        std::vector<std::string> words;
        if (active & 1) words = base;
        if (active & 2) words.insert(words.end(), second.begin(), second.end());
        const Grid grid = randomGrid(rng);
        FillOptions options;
        options.active = active;
        options.seed = round;
        const FillResult result = fill(table, grid, options);
        ASSERT_NE(result.outcome, FillOutcome::Stopped) << round;
        if (result.outcome == FillOutcome::Filled) {
            ++filled;
            EXPECT_EQ(faultOf(table, active, grid, result.grid), "") << round;
            EXPECT_TRUE(result.report.repeated.empty());
        } else {
            ++proved;
            Grid scratch = grid;
            std::set<std::string> used;
            EXPECT_FALSE(fillExists(words, scratch, slotsOf(grid), 0, used)) << round;
            EXPECT_EQ(result.grid.gridRows, grid.gridRows);
        }
    }
    EXPECT_GT(filled, 20);
    EXPECT_GT(proved, 20);
}

// Random facts for the words of two lists made for base.diz and d2.dic:
// a kind that rules keep or refuse, a familiarity, and for some a lemma
// shared with others.
std::shared_ptr<const FactsFile> randomFacts(std::mt19937& rng, const std::vector<std::string>& words) {
    constexpr std::array<WordKind, 5> KINDS{WordKind::Noun, WordKind::Noun, WordKind::Infinitive, WordKind::FiniteVerb,
                                            WordKind::Gerund};
    FactsWriter writer;
    writer.addDictionary("base.diz");
    writer.addDictionary("d2.dic");
    for (const std::string& word : words) {
        FactRecord r{kindBit(KINDS[rng() % KINDS.size()]), uint8_t(rng() % 101), 0, NO_LEMMA};
        if (rng() % 2) r.lemma = writer.lemmaId(std::string(1, char('A' + rng() % 8)));
        writer.set(word, r);
    }
    return FactsFile::decode(writer.encode());
}

TEST(Fill, UnderTheRulesEveryEntryIsAcceptedNoLemmaTwiceAndNoFillOnlyWhenNoneExists) {
    std::mt19937 rng(11);
    int filled = 0, proved = 0;
    for (int round = 0; round < 150; ++round) {
        const std::vector<std::string> base = randomWords(rng, 60), second = randomWords(rng, 60);
        std::vector<std::string> all = base;
        all.insert(all.end(), second.begin(), second.end());
        const Lexicon lexicon(testing::dictionarySet({base, second}), randomFacts(rng, all));
        EditorRules settings{true, rng() % 2 ? FAMILIARITY_COMMON : FAMILIARITY_ALL, {}};
        const auto rules = std::make_shared<const WordRules>(*lexicon.facts(), settings);
        const WordTable& table = lexicon.words();
        const auto lemmaOf = [&](const std::string& w) {
            const std::string_view lemma = lexicon.facts()->lemma(lexicon.facts()->find(w));
            return lemma.empty() ? w : "=" + std::string(lemma);
        };
        std::vector<std::string> accepted;
        for (const std::string& w : all)
            if (rules->accepts(int(w.size()), table.find(w))) accepted.push_back(w);
        const Grid grid = randomGrid(rng);
        FillOptions options;
        options.rules = rules;
        options.seed = round;
        const FillResult result = fill(table, grid, options);
        ASSERT_NE(result.outcome, FillOutcome::Stopped) << round;
        if (result.outcome == FillOutcome::Filled) {
            ++filled;
            EXPECT_EQ(faultOf(table, options.active, grid, result.grid), "") << round;
            std::set<std::string> lemmas;
            for (const Slot& slot : slotsOf(result.grid)) {
                const std::string word = slot.pattern(result.grid);
                EXPECT_TRUE(rules->accepts(slot.length, table.find(word))) << round << " " << word;
                EXPECT_TRUE(lemmas.insert(lemmaOf(word)).second) << round << " " << word;
            }
            EXPECT_TRUE(result.report.judged);
            EXPECT_TRUE(result.report.refused.empty()) << round;
        } else {
            ++proved;
            Grid scratch = grid;
            std::set<std::string> used;
            EXPECT_FALSE(fillExists(accepted, scratch, slotsOf(grid), 0, used, lemmaOf)) << round;
        }
    }
    EXPECT_GT(filled, 20);
    EXPECT_GT(proved, 20);
}

// Propagation allows AB / BC both ways, but that reads two words twice.
TEST(Fill, ConsistentIsNotEnoughWithoutRepeats) {
    const DictionarySet dicts = testing::dictionarySet({{"AB", "BC", "CA"}});
    const WordTable table(dicts);
    const Grid grid = asciiGrid({"A?", "??"});
    EXPECT_TRUE(insight(table, 1, grid).consistent);
    EXPECT_EQ(fill(table, grid, FillOptions{}).outcome, FillOutcome::NoFill);
}

DictionarySet largerLists() {
    std::mt19937 rng(3);
    std::vector<std::string> base = randomWords(rng, 3000), more = randomWords(rng, 3000);
    return testing::dictionarySet({base, more});
}

TEST(Fill, TheSameSeedGivesTheSameFillAndImprovingCostsNoMore) {
    const DictionarySet dicts = largerLists();
    const WordTable table(dicts);
    const Grid grid = asciiGrid({"???#", "????", "#???", "??#?"});
    FillOptions options;
    options.seed = 5;
    const FillResult first = fill(table, grid, options), again = fill(table, grid, options);
    ASSERT_EQ(first.outcome, FillOutcome::Filled);
    EXPECT_EQ(first.grid.gridRows, again.grid.gridRows);
    EXPECT_EQ(faultOf(table, options.active, grid, first.grid), "");
    options.improve = true;
    options.seconds = 1;
    const FillResult better = fill(table, grid, options);
    ASSERT_EQ(better.outcome, FillOutcome::Filled);
    EXPECT_EQ(faultOf(table, options.active, grid, better.grid), "");
    EXPECT_LE(better.report.totalCost, first.report.totalCost);
}

TEST(Fill, StopFlagAndTimeLimitAreHonoured) {
    const DictionarySet dicts = largerLists();
    const WordTable table(dicts);
    const Grid grid = asciiGrid({"???#", "????", "#???", "??#?"});
    std::atomic<bool> stop{true};
    FillOptions options;
    options.stop = &stop;
    FillResult result = fill(table, grid, options);
    EXPECT_EQ(result.outcome, FillOutcome::Stopped);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.grid.gridRows, grid.gridRows);
    options.stop = nullptr;
    options.seconds = 0;
    result = fill(table, grid, options);
    EXPECT_EQ(result.outcome, FillOutcome::Stopped);
    EXPECT_TRUE(result.timedOut);
    options.seconds = 1e12;  // far past what the clock can count
    EXPECT_EQ(fill(table, grid, options).outcome, FillOutcome::Filled);
}

TEST(FillSlot, ProposesOnlyWordsThatKeepTheGridOpen) {
    const DictionarySet dicts = testing::dictionarySet({{"AB", "AC", "BD", "CD", "CE", "ED"}});
    const WordTable table(dicts);
    const Grid grid = asciiGrid({"??", "?D"});
    const Slot across{0, 0, Direction::Across, 2};
    std::vector<std::string> words;
    for (const SlotWord& w : fillSlot(table, grid, across, FillOptions{})) words.push_back(w.word);
    // AB leaves the down slot B? with BD only, AC leaves CD or CE: both open.
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"AB", "AC"}));
    EXPECT_TRUE(fillSlot(table, asciiGrid({"Z?", "??"}), across, FillOptions{}).empty());
}

}  // namespace
}  // namespace quirvo
