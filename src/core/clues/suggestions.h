#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/clues/definition_archive.h"
#include "core/clues/letter_play_index.h"
#include "core/clues/suggestion.h"
#include "core/clues/written_forms.h"
#include "core/dictionary/word_facts.h"
#include "core/grid/grid.h"
#include "core/grid/slot.h"
#include "core/tools/thesaurus.h"

namespace quirvo {

// What the suggestions draw on. Any part may be missing; the kinds that
// need it are then left out (no facts: no letter play, sigle, names nor
// lemmas).
struct ClueSources {
    const WordFacts* facts = nullptr;
    const LetterPlayIndex* letterPlay = nullptr;
    const WrittenForms* written = nullptr;
    const Thesaurus* thesaurus = nullptr;
    DefinitionArchive* archive = nullptr;
};

// The definitions suggested for the word of a slot, best first: the
// setter's own from the archive, then what the word means or stands for,
// its form, and for two letters (three for a sigla, a group of letters or
// a word nothing else defines) letter play. None while the slot has an
// empty cell.
std::vector<Suggestion> suggestDefinitions(const ClueSources& sources, const Grid& grid, const Slot& slot);

struct SlotSuggestions {
    Slot slot;
    std::string word;
    std::vector<Suggestion> suggestions;
};

// The suggestions of every slot whose cells are all lettered, in the order
// of slotsOf. A stop ends the work early, with the slots done so far.
std::vector<SlotSuggestions> suggestGrid(const ClueSources& sources, const Grid& grid,
                                         const std::atomic<bool>* stop = nullptr);

}  // namespace quirvo
