#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace quirvo {

// Debian's Italian word list (package witalian), which keeps accents and
// the capitals of names.
inline constexpr char ITALIAN_WORD_LIST[] = "/usr/share/dict/italian";

// How a word folded as the grid writes it is written in a sentence: città
// for CITTA, Forlì for FORLI. Learnt from a word list in UTF-8, one word a
// line; where the list has a word both with and without an accent (papa,
// papà) the plain one wins. A word the list lacks is written as its letters.
class WrittenForms {
public:
    WrittenForms() = default;
    explicit WrittenForms(std::string_view wordList);

    // A common word, in lower case: "città".
    std::string word(std::string_view folded) const;
    // A name, capitalised: "Forlì".
    std::string name(std::string_view folded) const;

private:
    std::unordered_map<std::string, std::string> accented_;  // folded -> lower case with accents
    std::unordered_map<std::string, std::string> names_;     // folded -> as the list writes the name
};

}  // namespace quirvo
