#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quirvo {

struct BuildOptions {
    bool vowelSets = false;   // merge words differing only in a final A/E/I/O
    bool stripFlags = false;  // Hunspell .dic lines: keep what comes before "/" or a tab
    bool keepRemarks = false;  // remark lines ("#", "'") go before the entries, in their order
    size_t minLength = 2;     // in letters, a vowel-set symbol counting as one
    size_t maxLength = 35;
};

struct BuildStats {
    size_t lines = 0;        // non-blank input lines
    size_t invalid = 0;      // lines that were no word after folding
    size_t wrongLength = 0;  // words outside minLength..maxLength
    size_t words = 0;        // distinct words accepted
    size_t excluded = 0;     // of those, held by an excluded dictionary
    size_t entries = 0;      // lines of the result
};

// Makes a sorted dictionary out of word lists: each line one word, folded
// by foldWord (a final vowel-set symbol stands for its words, so a plain
// list of a dictionary can be fed back), duplicates removed, sorted by byte
// code. Optionally leaves out the words another dictionary holds and
// merges vowel sets (ROSSA ROSSE ROSSI ROSSO -> ROSS@).
class WordListBuilder {
public:
    explicit WordListBuilder(BuildOptions options);

    void addLine(std::string_view line);
    // Any number of whole lines, ended by CR LF, CR or LF.
    void addText(std::string_view text);
    // The words of a plain list (entries with their vowel sets expanded,
    // remarks skipped) will be left out of the result.
    void exclude(std::string_view plainList);

    // The entries, sorted by byte code, after the remarks kept; the
    // builder is then empty.
    std::vector<std::string> finish();
    const BuildStats& stats() const { return stats_; }

private:
    BuildOptions options_;
    BuildStats stats_;
    std::unordered_set<std::string> words_;
    std::unordered_set<std::string> excluded_;
    std::vector<std::string> remarks_;
};

// Merges the words that differ only in a final vowel among A, E, I, O into
// one entry with the vowel-set symbol. Takes and returns byte-sorted lists
// without duplicates.
std::vector<std::string> mergeVowelSets(const std::vector<std::string>& sortedWords);

// The entries as a plain list, every line ended by CR LF.
std::string joinPlainList(const std::vector<std::string>& entries);

}  // namespace quirvo
