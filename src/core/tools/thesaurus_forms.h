#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// The spellings under which a typed word is looked up in the thesaurus,
// whose headwords are lower case (names capitalised) and accented. People
// type PERCHE, perche or perche' for perché, so after the word in lower case
// and capitalised come, when it ends in a plain vowel or a vowel and an
// apostrophe, the forms with that vowel accented: à, é, è, ì, ò, ù. The
// first form the thesaurus knows is the one answered. UTF-8 in and out.
std::vector<std::string> thesaurusForms(std::string_view typed);

}  // namespace quirvo
