#pragma once

#include <string_view>

namespace quirvo {

// Vulgar and insulting words, which no puzzle prints: the editor's rules
// refuse them as entries, and they lend no letters to letter play and are no
// synonym to suggest. Folded.
bool vulgarWord(std::string_view folded);

}  // namespace quirvo
