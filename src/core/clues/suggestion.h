#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quirvo {

// Where a suggested definition comes from. The first nine take the entry's
// letters from another word or name (letter play).
enum class SuggestionKind : uint8_t {
    Head,        // its first letters: "L'inizio di casa"
    Tail,        // its last letters: "La fine di casa"
    Middle,      // its central letters: "Il cuore di Roma"
    Ends,        // its first and last letter: "Gli estremi del boom"
    Half,        // one of its halves: "Metà di casa"
    Consonants,  // "Le consonanti di cosa"
    Vowels,      // "Le vocali di Roma"
    Initials,    // of a name of several words: "Le iniziali di Dante Alighieri"
    Alternate,   // every other letter: "Le dispari di casa"
    Sigla,       // what a code stands for: "Sigla di Roma", "Simbolo del ferro"
    Name,        // what a name is: "Comune in provincia di Pavia"
    Lemma,       // the form of a word: "Plurale di esedra"
    Formation,   // how it is made from another word: "Piccolo nodulo"
    Thesaurus,   // a meaning or a synonym
    Archive,     // the setter's own earlier definition
};
inline constexpr int SUGGESTION_KINDS = int(SuggestionKind::Archive) + 1;

constexpr bool isLetterPlay(SuggestionKind kind) { return kind <= SuggestionKind::Alternate; }

// The kind's key for the tool's JSON ("consonants") and its Italian name
// for the window ("consonanti").
std::string_view suggestionKindKey(SuggestionKind kind);
std::string_view suggestionKindName(SuggestionKind kind);

// One suggested definition. For letter play, source is the word the
// letters come from, folded as the grid writes it (CASA), or the name as it
// is written (Dante Alighieri); empty for the other kinds.
struct Suggestion {
    SuggestionKind kind = SuggestionKind::Thesaurus;
    std::string text;  // UTF-8
    std::string source;
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

}  // namespace quirvo
