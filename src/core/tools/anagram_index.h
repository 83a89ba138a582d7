#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

// Letters as a bit set for the anagram pre-test: bits 0..25 for "A".."Z",
// bit 26 for any other character.
inline constexpr uint32_t OTHER_CHARACTER_BIT = 1u << 26;
constexpr uint32_t letterBit(char c) {
    return c >= 'A' && c <= 'Z' ? 1u << (c - 'A') : OTHER_CHARACTER_BIT;
}

// The base dictionary's lines grouped by length, in file order, each with
// the set of letters it can offer, so an anagram request visits only the
// lines of the TEST word's length and rejects most of them with one AND.
// Remark lines ("'") are left out. Built once from the loaded dictionary
// and valid for as long as that dictionary's text lives (the whole run).
class AnagramIndex {
public:
    struct Line {
        uint32_t offset;   // 0-based position in the text
        uint32_t letters;  // letterBit of every character; a final vowel-set
                           // symbol contributes the vowels of its set instead
    };

    explicit AnagramIndex(const Dictionary& base);

    std::string_view text() const { return text_; }
    std::span<const Line> linesOfLength(size_t length) const;
    size_t lineCount() const { return lines_.size(); }

private:
    std::string_view text_;
    std::vector<Line> lines_;
    std::vector<uint32_t> lengthStart_;  // lines of length L: [lengthStart_[L], lengthStart_[L + 1])
};

}  // namespace quirvo
