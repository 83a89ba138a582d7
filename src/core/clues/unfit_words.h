#pragma once

#include <string_view>

namespace quirvo {

// Vulgar and insulting words, which no puzzle prints in a definition: they
// lend no letters to letter play and are no synonym to suggest. Folded.
bool unfitForClues(std::string_view folded);

}  // namespace quirvo
