#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/clues/suggestion.h"
#include "core/dictionary/facts_file.h"

namespace quirvo {

// What a word is in the world beyond Italy, by its notes: "Moneta
// brasiliana" (REAL), "Monete messicane" (PESOS), "Vecchia moneta tedesca"
// (MARCO), "Lingua dell'India" (TAMIL), "Stato degli USA" (IOWA),
// "Cantone svizzero" (URI), "Un ortaggio" (CAROTA). A word of many
// currencies gets the three most used.
std::vector<Suggestion> worldClues(const std::vector<FactNote>& notes);

// What an English word means: "Tempo, in inglese" (TIME); two meanings at
// most.
std::vector<Suggestion> englishClues(const std::vector<FactNote>& notes);

// The adjectives after a noun made to agree with a feminine one: "cubano
// convertibile" gives "cubana convertibile", or "cubane convertibili" in
// the plural; a phrase of "di" ("delle Isole Cayman") stays. Nothing for
// words the rules cannot bend (names, codes).
std::string feminineAdjectives(std::string_view masculine, bool plural);

}  // namespace quirvo
