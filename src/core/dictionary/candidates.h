#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/dictionary/word_table.h"

namespace quirvo {

// The words that fit a pattern, as indexes into a WordTable, with the
// letters they put at each position.
struct Candidates {
    int length = 0;
    std::vector<uint32_t> words;   // ascending, so in the table's order
    std::vector<uint32_t> letters;  // per position, bit x for letter 'A' + x
};

// The distinct words of the active slots that fit a pattern of letters and
// "?" (any other character fits no word). A word in several dictionaries
// appears once; WordTable::firstDictionary tells its earliest active one.
Candidates candidates(const WordTable& table, std::string_view pattern, DictMask active);

// The same as a bitset over the words of the pattern's length.
std::vector<uint64_t> candidateBits(const WordTable& table, std::string_view pattern, DictMask active);

}  // namespace quirvo
