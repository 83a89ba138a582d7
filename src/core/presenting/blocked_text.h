#pragma once

#include <string>

#include "core/fill/lookahead.h"
#include "core/grid/grid.h"

namespace quirvo {

// Why a suggestion is greyed: the crossing slots it would leave without
// words, by their numbers in the grid, "Blocca il 3 Verticale", "Blocca il
// 3 e l'8 Verticale", "Blocca il 3, il 5 e l'11 Orizzontale". Empty for no
// slot. The slots all run the same way, across the suggestion.
std::string blockedSlotsText(const Grid& grid, const BlockedSlots& crossings);

}  // namespace quirvo
