#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/tools/thesaurus.h"

namespace quirvo {

// The thesaurus's data file read the other way round: for each word, the
// meanings of the headwords that list it among their synonyms. The file
// (LibreOffice's format, already in UTF-8) is an encoding line, then for
// each headword "word|count" and count lines "(tag)|synonym|synonym...";
// a line that breaks the format ends the reading there.
class ThesaurusListings {
public:
    ThesaurusListings() = default;
    explicit ThesaurusListings(std::string_view utf8);

    // The meanings listing a word folded as the grid writes it (PIROGA),
    // each with its headword first among the synonyms and the word itself
    // left out.
    std::vector<Meaning> listing(std::string_view folded) const;
    size_t meaningCount() const { return meanings_.size(); }

private:
    std::vector<Meaning> meanings_;  // synonyms[0] is the headword
    std::unordered_map<std::string, std::vector<uint32_t>> byWord_;
};

}  // namespace quirvo
