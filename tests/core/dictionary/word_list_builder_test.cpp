#include "core/dictionary/word_list_builder.h"

#include <gtest/gtest.h>

#include "core/dictionary/dictionary_check.h"
#include "core/dictionary/vowel_sets.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {
namespace {

using Words = std::vector<std::string>;

TEST(WordFolding, WritesWordsAsCrosswordsDo) {
    const std::vector<std::pair<std::string, std::string>> folded = {
        {"città", "CITTA"},         {"PERCHÉ", "PERCHE"},   {"perché", "PERCHE"},    {"Ærøskøbing", "AEROSKOBING"},
        {"straße", "STRASSE"},      {"œuvre", "OEUVRE"},    {"Łódź", "LODZ"},        {"caffe\xcc\x80", "CAFFE"},
        {"\xef\xbb\xbf" "abaco", "ABACO"}, {"citt\xe0", "CITTA"},  // Latin-1, not UTF-8
        {"ROSS@", "ROSS@"},         {"cas!", "CAS!"},
    };
    for (const auto& [raw, expected] : folded) EXPECT_EQ(foldWord(raw).value_or("<none>"), expected) << raw;
    for (const std::string raw : {"", "l'acqua", "x-y", "abc1", "due parole", "@BC", "A!B", "!", "€uro", "po'"})
        EXPECT_FALSE(foldWord(raw).has_value()) << raw;
}

// Every set of two or more of A, E, I, O has exactly one symbol, and the
// words of a set merge into stem + symbol and expand back.
TEST(VowelSets, EverySetMergesAndExpandsBack) {
    const std::string vowels = "AEIO";
    int sets = 0;
    for (unsigned mask = 1; mask < 16; ++mask) {
        Words words;
        std::string chosen;
        for (int v = 0; v < 4; ++v)
            if (mask & (1u << v)) {
                chosen += vowels[v];
                words.push_back(std::string("ROSS") + vowels[v]);
            }
        const char symbol = vowelSetSymbol(chosen);
        if (chosen.size() < 2) {
            EXPECT_EQ(symbol, 0);
            EXPECT_EQ(mergeVowelSets(words), words);
            continue;
        }
        ++sets;
        ASSERT_NE(symbol, 0) << chosen;
        EXPECT_LT(static_cast<unsigned char>(symbol), 'A');
        EXPECT_EQ(bracketedForm(symbol), "(" + chosen + ")");
        EXPECT_EQ(mergeVowelSets(words), Words{std::string("ROSS") + symbol});
        EXPECT_EQ(expandEntry(std::string("ROSS") + symbol), words);
    }
    EXPECT_EQ(sets, 11);
}

TEST(WordListBuilder, FoldsDeduplicatesFiltersAndSortsByByteCode) {
    WordListBuilder builder({});
    builder.addText("zucca\r\nCittà\ncittà\rCITTA\n\n  abaco  \nl'acqua\nx\n");
    builder.addLine("precipitevolissimevolmentissimamentemente");  // 41 letters
    EXPECT_EQ(builder.finish(), (Words{"ABACO", "CITTA", "ZUCCA"}));
    const BuildStats& stats = builder.stats();
    EXPECT_EQ(stats.lines, 8u);
    EXPECT_EQ(stats.invalid, 1u);
    EXPECT_EQ(stats.wrongLength, 2u);
    EXPECT_EQ(stats.entries, 3u);
}

TEST(WordListBuilder, MergesVowelSetsAndKeepsTheResultSorted) {
    WordListBuilder builder({.vowelSets = true});
    builder.addText("rossa\nrosse\nrossi\nrosso\nrossana\ncasa\ncasacca\ncase\ncasu\nbene\nda\ndi\n");
    const Words entries = builder.finish();
    EXPECT_EQ(entries, (Words{"BENE", "CAS!", "CASACCA", "CASU", "D#", "ROSS@", "ROSSANA"}));
    EXPECT_TRUE(checkPlainList(joinPlainList(entries)).empty());

    // Its own output, fed back, gives the same entries.
    WordListBuilder again({.vowelSets = true});
    again.addText(joinPlainList(entries));
    EXPECT_EQ(again.finish(), entries);
}

TEST(WordListBuilder, LeavesOutWordsAnotherDictionaryHolds) {
    WordListBuilder builder({});
    builder.exclude("# base\r\nROSS@\r\nCANE\r\n");
    builder.addText("rossa\nrossi\nrossu\ncane\ncani\n");
    EXPECT_EQ(builder.finish(), (Words{"CANI", "ROSSU"}));
    EXPECT_EQ(builder.stats().excluded, 3u);
}

TEST(WordListBuilder, ReadsHunspellStems) {
    WordListBuilder builder({.stripFlags = true});
    builder.addText("95381\nabaco/OTqr\nabbacchiare/ALKhlTXI\nAbacuc\n/ commento\n");
    EXPECT_EQ(builder.finish(), (Words{"ABACO", "ABACUC", "ABBACCHIARE"}));
}

}  // namespace
}  // namespace quirvo
