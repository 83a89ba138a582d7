#pragma once

#include <vector>

#include "core/facts/fact_sources.h"
#include "core/facts/name_groups.h"

namespace quirvo {

// Notes from the CLDR data for words the lexicon has already: the first
// word of a currency's name with the whole name (REAL: "real brasiliano";
// PESOS, from "pesos messicani": "peso messicano"), those of many people
// first; the one-word names of languages with the country where most
// people speak them (TAMIL: "India"); and the states of the United States
// and of Australia, the Swiss cantons, the German Länder and the Canadian
// provinces with their country's code (IOWA: "US"); and what kind of thing
// the word an emoji names is, by the emoji's key words (CAROTA: "ortaggio");
// and what an English word means (TIME: "tempo").
std::vector<GroupEntry> worldNames(const ReadSources& sources);

}  // namespace quirvo
