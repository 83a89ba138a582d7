#include "core/clues/suggestion.h"

#include <array>

namespace quirvo {

namespace {

constexpr std::array<std::string_view, SUGGESTION_KINDS> KEYS{
    "head",  "tail",  "middle", "ends",  "half",      "consonants", "vowels",
    "initials", "alternate", "sigla", "name", "lemma", "formation", "thesaurus", "archive",
};

constexpr std::array<std::string_view, SUGGESTION_KINDS> NAMES{
    "inizio",    "fine",      "cuore", "estremi", "metà",      "consonanti", "vocali",
    "iniziali",  "alternate", "sigla", "nome",    "forma",     "derivato", "sinonimi",   "archivio",
};

}  // namespace

std::string_view suggestionKindKey(SuggestionKind kind) { return KEYS[size_t(kind)]; }
std::string_view suggestionKindName(SuggestionKind kind) { return NAMES[size_t(kind)]; }

}  // namespace quirvo
