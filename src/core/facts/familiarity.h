#pragma once

#include <cstdint>
#include <string_view>

namespace quirvo {

// How familiar a word of a frequency rank is (1 = the most frequent), 0-100:
// about 85 at rank 500, 60 at 3,000 and 30 at 25,000, never below 15.
int familiarityOfRank(uint32_t rank);

// Whether a form no list ranks is as familiar as its lemma: a superlative
// is not (ARRIVATISSIMA is rare however common ARRIVATO is).
bool sharesLemmaRank(std::string_view form, std::string_view lemma);

// A known word no frequency list ranks, and an unknown word.
inline constexpr int UNRANKED_FAMILIARITY = 10;
inline constexpr int UNKNOWN_FAMILIARITY = 0;

}  // namespace quirvo
