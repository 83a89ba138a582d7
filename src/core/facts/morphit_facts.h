#pragma once

#include <string_view>

#include "core/facts/fact_sheet.h"

namespace quirvo {

// The morph-it tables as the npm packages hold them, each a JSON object:
// verbs by infinitive with their tenses (indicative, subjunctive,
// conditional and imperative are finite; participles; the gerund and the
// infinitive sometimes with pronouns attached: AMANDOLA, AMARTI), nouns with
// their plural, adjectives with their other three forms. Every form gets
// its kind and its lemma (the infinitive, the noun, the masculine singular;
// a reflexive infinitive, ACCORGERSI, has the plain one as lemma). False
// when the text is no JSON object; entries of another shape are skipped.
bool addMorphItVerbs(std::string_view json, FactSheet& sheet);
bool addMorphItNouns(std::string_view json, FactSheet& sheet);
bool addMorphItAdjectives(std::string_view json, FactSheet& sheet);

}  // namespace quirvo
