#pragma once

#include <string_view>
#include <vector>

#include "core/clues/clue_exclusions.h"
#include "core/clues/letter_play_index.h"
#include "core/clues/suggestion.h"
#include "core/tools/thesaurus.h"

namespace quirvo {

// Letter play for an entry of two or three letters: a few sources for each
// kind, phrased with their articles ("Metà di casa", "Gli estremi del
// boom", "Le iniziali di Dante Alighieri"), the most familiar sources and
// the plainest kinds first. Sources the exclusions hold are passed over.
// The thesaurus, when there is one, tells the gender of a word ending in
// a consonant, which takes its article ("del boom").
std::vector<Suggestion> letterPlayClues(const LetterPlayIndex& index, std::string_view entry,
                                        const ClueExclusions& excluded, const Thesaurus* thesaurus);

}  // namespace quirvo
