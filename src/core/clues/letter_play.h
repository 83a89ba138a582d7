#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/clues/suggestion.h"

namespace quirvo {

// One way of taking letters from a word: a letter-play kind and, for the
// halves and the alternate letters, which of the two.
enum class Play : uint8_t {
    Head, Tail, Middle, Ends, FirstHalf, SecondHalf, Consonants, Vowels, Initials, Odd, Even,
};
inline constexpr int PLAYS = int(Play::Even) + 1;

SuggestionKind kindOfPlay(Play play);

// The `count` letters a play takes from a word folded as the grid writes
// it, or "" when the play gives no group of that size from it (the word is
// too short or too long, has no vowel or no consonant, ...). Initials take
// the first letter of each word of a name folded word by word
// ("DANTE ALIGHIERI"); the other plays take one word.
std::string playLetters(Play play, std::string_view folded, int count);

}  // namespace quirvo
