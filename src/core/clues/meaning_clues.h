#pragma once

#include <string_view>
#include <vector>

#include "core/clues/suggestion.h"
#include "core/clues/written_forms.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_facts.h"

namespace quirvo {

// What a code stands for, by the group of each of its notes ("Sigla di
// Roma", "Simbolo del ferro", "Abbreviazione di eccetera"), and what a
// standard roman numeral counts ("Cinquanta romani").
std::vector<Suggestion> siglaClues(std::string_view entry, const std::vector<FactNote>& notes);

// What a name is: "Comune in provincia di Pavia", "Regione con capoluogo
// Torino", "Capitale della Francia", "Nome femminile".
std::vector<Suggestion> nameClues(std::string_view entry, const std::vector<FactNote>& notes);

// What a word of a place is of: CUNEESE "Di Cuneo", SIRIANO "Della Siria",
// by the places the word facts know.
std::vector<Suggestion> placeClues(std::string_view entry, const WordFacts& facts, const WrittenForms& written);

// The form an inflected word is of its lemma: "Plurale di esedra",
// "Femminile di notaio", "Participio di amare", "Voce del verbo amare".
std::vector<Suggestion> lemmaClues(std::string_view entry, KindSet kinds, std::string_view lemma,
                                   const WrittenForms& written);

}  // namespace quirvo
