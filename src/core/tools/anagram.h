#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/common/progress.h"
#include "core/tools/anagram_index.h"

namespace quirvo {

// What the anagram request shows: the window puts the lines into Lists,
// panel2 on status panel 2 (raised bevel) and panel3 on panel 3, beeps when
// asked and keeps resultCount.
struct AnagramOutcome {
    std::vector<std::string> lines;  // in the order the sorted list shows them
    std::string panel2;
    std::string panel3 = " ";
    bool beep = false;
    int resultCount = 0;
    bool interrupted = false;  // the Progress owner asked to stop; lines hold what was found
};

// The TEST word as the anagram scan compares it: upper case (code page
// 1252, accented letters included), surrounding blanks removed.
std::string anagramTestWord(std::string_view testText);

// Every word of the base dictionary made of exactly the TEST word's letters
// in another order; a blank inside the TEST word stands for any one letter.
// A line ending in a vowel-set symbol gives its first form, in the order of
// the set, that is an anagram; a line never gives more than one result and
// the TEST word itself is never listed. Remark lines ("'") are skipped;
// lines beginning with "#" are compared like words. testText is single-byte
// code page 1252, like the dictionary.
AnagramOutcome anagrammi(const AnagramIndex& base, std::string_view testText, Progress& progress);

}  // namespace quirvo
