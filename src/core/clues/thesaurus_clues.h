#pragma once

#include <string_view>
#include <vector>

#include "core/clues/clue_exclusions.h"
#include "core/clues/suggestion.h"
#include "core/clues/written_forms.h"
#include "core/dictionary/word_facts.h"
#include "core/tools/thesaurus.h"

namespace quirvo {

// The thesaurus's meanings and synonyms as definitions: for the entry
// itself (or, when it has no entry of its own, the words that list it), or
// else for its lemma with each synonym put in the entry's form (CASE:
// Abitazioni, Dimore) when the word facts know that form. Strong
// ones first; weak ones are the synonyms of a preposition, a conjunction
// or a pronoun (IN: Con), which read poorly as a definition.
struct ThesaurusClues {
    std::vector<Suggestion> strong;
    std::vector<Suggestion> weak;
};

ThesaurusClues thesaurusClues(std::string_view entry, std::string_view lemma, const Thesaurus& thesaurus,
                              const WrittenForms& written, const WordFacts* facts, const ClueExclusions& excluded);

}  // namespace quirvo
