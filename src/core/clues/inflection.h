#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// What a form of a noun or an adjective is against its lemma, told by the
// endings: NOTAIA is the feminine of NOTAIO, ESEDRE the plural of ESEDRA.
enum class NounInflection { Lemma, Feminine, Plural, FemininePlural, Unknown };

NounInflection nounInflection(std::string_view word, std::string_view lemma);

// The forms a lemma may take for an inflection, likeliest first (for
// EDIFICIO plural: EDIFICI, EDIFICII); none when the lemma's ending allows
// no such form. Folded upper case; the caller keeps those the lexicon knows.
std::vector<std::string> inflectedCandidates(std::string_view lemma, NounInflection inflection);

// The lemmas a form of a noun or an adjective may come from, by its ending
// (TRACCE: TRACCIA, TRACCA; MORTA: MORTO), likeliest first; the caller
// keeps one it knows to be a word.
std::vector<std::string> lemmaCandidates(std::string_view word);

// The masculine singular an adjective's form comes from by one of the
// endings that only adjectives have (ACINETICA: ACINETICO; FAMOSISSIME:
// FAMOSISSIMO; GOLOSI: GOLOSO), or "".
std::string adjectiveBase(std::string_view word);

// True when the lemma looks like an infinitive (AMARE, TEMERE, DIRE, PORRE).
bool looksInfinitive(std::string_view lemma);

}  // namespace quirvo
