#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/word_facts.h"
#include "core/grid/grid.h"

namespace quirvo {

// What an entry's suggestions must not give away: the entry itself, every
// whole word of its grid (those crossing it among them) and, with the word
// facts, every word of their lemmas (CASE in the grid keeps CASA out).
class ClueExclusions {
public:
    ClueExclusions(const Grid& grid, std::string_view entry, const WordFacts* facts);

    bool word(std::string_view folded) const;
    bool lemma(uint32_t id) const;

private:
    std::vector<std::string> words_;  // sorted
    std::vector<uint32_t> lemmas_;    // sorted
};

// True when two folded words share a root closely enough that one would
// give the other away: CASA and CASATO, AMARE and AMABILE, RE and REGNANTE.
bool shareRoot(std::string_view a, std::string_view b);

}  // namespace quirvo
