#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/dictionary/word_kind.h"

namespace quirvo {

// A first name as nomi.dic and the facts take it.
struct FirstName {
    std::string word;     // ANDREA
    std::string written;  // Andrea
    NoteGroup gender = NoteGroup::MaleName;
};

// Male or female by the ending (A, or the female endings ICE and ILDE:
// Beatrice, Matilde), unless the committed list of exceptions says
// otherwise (ANDREA, LUCA: male in Italy; IRENE: female).
NoteGroup nameGender(std::string_view word, const std::map<std::string, NoteGroup>& exceptions);

// What other sources know of a word, in upper case: as a proper noun (a
// capitalised entry of the word lists), as a frequent word, as a common
// noun or other plain word of the lists.
struct NameSupport {
    std::unordered_set<std::string> proper, frequent, common;
};

// The names of a list (lower case, with typos such as "aandrea") that a
// second source supports: a word list writes them as a proper noun, or a
// frequency list has them and they are no plain word (CANE is not kept,
// ROSA is, as a proper noun too). The result keeps the list's order.
std::vector<FirstName> supportedFirstNames(const std::vector<std::string>& names, const NameSupport& support,
                                           const std::map<std::string, NoteGroup>& exceptions);

}  // namespace quirvo
