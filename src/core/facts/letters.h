#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// A word of a source as the word table holds it: upper case, accents
// dropped, letters A-Z only (no apostrophe, blank, hyphen or vowel-set
// symbol); nothing when it is not one.
std::optional<std::string> letterWord(std::string_view utf8);

}  // namespace quirvo
