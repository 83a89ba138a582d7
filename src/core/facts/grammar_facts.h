#pragma once

#include <string_view>

#include "core/facts/fact_sheet.h"

namespace quirvo {

// The committed list of function words: articles, prepositions simple and
// articulated, pronouns, conjunctions.
void addFunctionWords(std::string_view list, FactSheet& sheet);

// The committed forms of ESSERE and AVERE, which the verb tables lack, as
// "lemma kind = forms" lines (kind as the tool's JSON names it); false
// when a line names no kind.
bool addAuxiliaryVerbs(std::string_view list, FactSheet& sheet);

// The committed truncations the sources take for words of their own
// ("buon = buono"), made truncated forms of the whole word; false when a
// line is not two words.
bool addTruncations(std::string_view list, FactSheet& sheet);

// Every word of the sheet that is a roman numeral; one of two or three
// letters (IV, XII) is a familiar clue.
inline constexpr int SHORT_ROMAN_FAMILIARITY = 40;
void addRomanNumerals(FactSheet& sheet);

// The plain word list: known words (a capitalised one a name, one in
// capitals a sigla), kinds unsaid.
void addWordList(std::string_view text, FactSheet& sheet);

// A feminine noun of a trade or title takes the masculine as its lemma
// when that is a noun of its own: NOTAIA -> NOTAIO, ATTRICE -> ATTORE,
// CAMERIERA -> CAMERIERE, PROFESSORESSA -> PROFESSORE, POETESSA -> POETA.
void relinkFeminineNouns(FactSheet& sheet);

}  // namespace quirvo
