#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/clues/suggestion.h"
#include "core/clues/written_forms.h"
#include "core/dictionary/word_facts.h"

namespace quirvo {

// How a word is made from another the facts know, for a word no meaning
// source defines: "Piccolo nodulo" (NODULINO), "In modo lento"
// (LENTAMENTE), "L'essere notabile" (NOTABILITA), "Molto celebre"
// (CELEBERRIMA), "Interrare di nuovo" (RINTERRARE). The other word must be
// at least as familiar as the entry, so a word made in its own right
// (MATTINO is no small matto) is left alone as often as the facts allow.
std::vector<Suggestion> formationClues(std::string_view entry, const WordFacts& facts, const WrittenForms& written);

// The infinitive a participle the facts leave as its own lemma comes from
// by its ending (ARENATO: ARENARE, TRAINANTE: TRAINARE), when the facts
// know that infinitive; "" otherwise.
std::string participleVerb(std::string_view entry, KindSet kinds, const WordFacts& facts);

}  // namespace quirvo
