#pragma once

#include <string_view>
#include <vector>

namespace quirvo {

// The clitic pronouns Italian attaches to a verb form (DIRGLIELO,
// AMANDOSI, PASSIVATOSENE), in upper case: one of MI TI SI CI VI LO LA LI
// LE NE GLI, or a pair: ME TE SE CE VE GLIE before LO LA LI LE NE, or a
// pronoun before SI or CI (MISI, GLICI), as old and literary forms have it.
bool isCliticCluster(std::string_view letters);

// The lengths of the clusters a word ends with, shortest first; the rest
// of the word is never empty.
std::vector<size_t> cliticEndings(std::string_view word);

}  // namespace quirvo
