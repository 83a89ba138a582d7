#include "core/clues/clue_exclusions.h"

#include <algorithm>

#include "core/grid/cell_codes.h"
#include "core/grid/slot.h"

namespace quirvo {

ClueExclusions::ClueExclusions(const Grid& grid, std::string_view entry, const WordFacts* facts) {
    words_.emplace_back(entry);
    for (const Slot& slot : slotsOf(grid)) {
        std::string word = slot.pattern(grid);
        if (allLetters(word))
            words_.push_back(std::move(word));
    }
    std::sort(words_.begin(), words_.end());
    words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
    if (!facts) return;
    for (const std::string& w : words_)
        if (const uint32_t lemma = facts->find(w).lemma; lemma != NO_LEMMA) lemmas_.push_back(lemma);
    std::sort(lemmas_.begin(), lemmas_.end());
}

bool ClueExclusions::word(std::string_view folded) const {
    return std::binary_search(words_.begin(), words_.end(), folded, std::less<>());
}

bool ClueExclusions::lemma(uint32_t id) const {
    return id != NO_LEMMA && std::binary_search(lemmas_.begin(), lemmas_.end(), id);
}

bool shareRoot(std::string_view a, std::string_view b) {
    const size_t shorter = std::min(a.size(), b.size());
    size_t common = 0;
    while (common < shorter && a[common] == b[common]) ++common;
    // A short word heading a longer one shows it too: RE in REGNANTE.
    return common >= std::max<size_t>(3, shorter >= 2 ? shorter - 2 : 0) || (common == shorter && shorter >= 2);
}

}  // namespace quirvo
