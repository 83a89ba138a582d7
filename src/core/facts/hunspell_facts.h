#pragma once

#include <vector>

#include "core/facts/affix_rules.h"
#include "core/facts/fact_sheet.h"

namespace quirvo {

// What an affix class does, told by its rules: the Italian dictionary
// conjugates verbs from the infinitive (every condition ends in RE, or RSI
// for the reflexive ones), attaches pronouns to gerunds (conditions in
// NDO), makes adverbs (every addition ends in MENTE) and elides (every
// prefix holds an apostrophe); word prefixes (RI, STRA, PRE) and the
// classes of nouns and adjectives are the rest.
enum class AffixRole : uint8_t { Elision, WordPrefix, Verb, ReflexiveVerb, GerundPronouns, Adverb, Nominal };
AffixRole affixRole(const AffixClass& affixes);

// Adds what the spelling dictionary tells of every word its stems stand
// for: the kind each affix rule makes and the lemma (the stem, with its word
// prefix). A capitalised stem is a name, an all-capitals one a sigla, a stem
// without a class of its own a plain word; a stem that only takes elisions
// is marked so (ASCISC).
void addHunspellFacts(const AffixRules& rules, const std::vector<HunspellStem>& stems, FactSheet& sheet);

}  // namespace quirvo
