#pragma once

#include <string_view>
#include <vector>

#include "core/clues/suggestion.h"

namespace quirvo {

// What the small words of grammar are, as a puzzle defines them:
// ALLA "Preposizione articolata" or "A + la", MIO "Aggettivo possessivo"
// or "Di me", GLI "Articolo maschile plurale", NOI "Pronome personale",
// the notes of the scale (RE "Nota musicale") and the numbers (OTTANTA
// "LXXX per i Romani").
// Their kind is Lemma: they tell the word's form, not its meaning.
std::vector<Suggestion> grammarClues(std::string_view entry);

}  // namespace quirvo
