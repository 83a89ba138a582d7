#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// Turns one word as people write it into a dictionary entry the way Italian
// crosswords write it: upper case, accents dropped (CITTÀ -> CITTA, also the
// other Latin letters: Ç -> C, ß -> SS, Æ -> AE), combining marks ignored.
// The text is UTF-8; a line that is not valid UTF-8 is read as Latin-1.
// Returns nothing when any other character remains (apostrophes, hyphens,
// digits, blanks). A final vowel-set symbol after at least one letter is
// kept (ROSS@), any other symbol makes the word invalid.
std::optional<std::string> foldWord(std::string_view raw);

// The words an entry stands for: ROSS@ -> ROSSA ROSSE ROSSI ROSSO; an entry
// without a final symbol stands for itself.
std::vector<std::string> expandEntry(std::string_view entry);

}  // namespace quirvo
