#pragma once

#include "core/facts/fact_sheet.h"

namespace quirvo {

// Some words of the lists no source gives a kind are forms the affix rules
// do not make but whose shape tells what they are, given the word they come
// from. For each word of the word lists without a kind yet:
// - a word less its final vowel, when the whole word is known and far more
//   frequent: AMOR, DICON, ECCEZION (truncated);
// - a gerund, a participle or a finite form, when its ending leads to a
//   known infinitive: UDREBBERO (UDIRE), IMBIRBONISCE, SEDEVI;
// - a verb form with pronouns attached, when what comes before them is an
//   infinitive less its E or a known verb form: INFORMARNELO, TRATTAVASI.
void addOrphanForms(FactSheet& sheet);

}  // namespace quirvo
