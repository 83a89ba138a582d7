#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quirvo {

// The text a clicked result line offers for transfer, or nothing for the
// lines that carry no result (headings, "nothing found" lines). The mark of
// the dictionary a word came from (" -" and its number at the end of the
// line) is dropped; a "-" inside the word itself is kept.
std::optional<std::string> offeredText(const std::string& line, int workMode);

// A line may offer alternative letters in brackets, "CAS(AE)": each click
// on the same line gives the next one, CASA, CASE, CASA again.
struct Alternatives {
    std::string altLine;    // the line clicked last that had brackets
    std::string altPrefix;  // its part before "("
    std::string altChars;   // the letters between the brackets
    int16_t altIndex = 0;   // 1-based position in altChars of the letter used last; 0 when none

    // Returns the text to transfer for acce and remembers the choice.
    std::string choose(const std::string& acce);
};

// How a transferred word lies along its slot: blanks keep their cells.
struct WordLayout {
    std::vector<std::pair<int, char>> letters;  // offset from the slot's first cell, letter
    int blanks = 0;                             // cells left as they are
    int trimmedLength = 0;                      // length without leading and trailing blanks
};
WordLayout layOutWord(const std::string& word);

}  // namespace quirvo
